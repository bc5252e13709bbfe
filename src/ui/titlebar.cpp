// SPDX-License-Identifier: MIT
#include "titlebar.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

void TitleBar::watch(QWidget *window)
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        return;
    // Qt decides on its decoration as the window first shows, and again when the compositor
    // tells whether it draws title bars itself; each exposure shows where things stand.
    window->winId();
    window->windowHandle()->installEventFilter(new TitleBar(window));
}

TitleBar::TitleBar(QWidget *window) : QWidget(window), m_title(new QLabel(window->windowTitle()))
{
    setObjectName(QStringLiteral("titleBar"));
    hide();
    setAutoFillBackground(true);
    auto *icon = new QLabel;
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(window->windowIcon().pixmap(iconSize, iconSize));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setTextFormat(Qt::PlainText);
    auto *close = new QToolButton;
    close->setObjectName(QStringLiteral("close"));
    close->setAccessibleName(tr("Close"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QToolButton::clicked, window, &QWidget::close);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 3, 3);
    row->addWidget(icon);
    row->addWidget(m_title, 1);
    row->addWidget(close);
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    // Not within the exposure: changing the window then leaves Qt 6.4 with frames it never shows.
    if (event->type() == QEvent::Expose && isHidden() &&
        !static_cast<QWindow *>(watched)->frameMargins().isNull())
        QMetaObject::invokeMethod(this, &TitleBar::takeOver, Qt::QueuedConnection);
    if (event->type() == QEvent::WindowTitleChange && watched == parentWidget())
        m_title->setText(parentWidget()->windowTitle());
    // A thin frame sets the window apart from what lies behind it.
    if (event->type() == QEvent::Paint && watched == parentWidget()) {
        QPainter painter(parentWidget());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(parentWidget()->rect().adjusted(0, 0, -1, -1));
    }
    return false;
}

void TitleBar::takeOver()
{
    if (!isHidden())
        return;
    QWidget *window = parentWidget();
    window->windowHandle()->setFlag(Qt::FramelessWindowHint);
    const QMargins frame(1, 1 + sizeHint().height(), 1, 1);
    const QSize size = window->size();
    window->setContentsMargins(frame);
    if (QLayout *layout = window->layout()) {
        layout->activate();
    } else {
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->move(child->pos() + QPoint(frame.left(), frame.top()));
    }
    // A layout of fixed size has grown already; a window fixed by hand grows here.
    if (window->size() == size)
        window->setFixedSize(size.grownBy(frame));
    setGeometry(1, 1, window->width() - 2, frame.top() - 1);
    window->installEventFilter(this);
    showActivation();
    show();
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        window()->windowHandle()->startSystemMove();
}

void TitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange)
        showActivation();
    QWidget::changeEvent(event);
}

void TitleBar::showActivation()
{
    m_title->setForegroundRole(isActiveWindow() ? QPalette::WindowText : QPalette::PlaceholderText);
}
