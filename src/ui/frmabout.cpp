// SPDX-License-Identifier: MIT
#include "frmabout.h"

#include "generated/version.h"

#include <QKeyEvent>
#include "twipslayout.h"

#include <QLabel>
#include "focusring.h"
#include "pushbutton.h"
#include "titlebar.h"

namespace {

constexpr QSize ClientSize = TwipsLayout::size(4680, 3210);
// The product name is in a comic face; Comic Neue stands in where Comic Sans MS is missing, and
// the default font where neither is installed.
const QStringList TitleFamilies = {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                                   QStringLiteral("Comic Relief")};
constexpr qreal TitlePointSize = 21.75;

const QString ScreenName = QStringLiteral("ParlinoChat");
const QString MailAddress = QStringLiteral("parlino@parlino.invalid");

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    // A fixed dialog: a title bar with a close box only, no minimise, maximise or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientSize);
    setSizeGripEnabled(false);
    TwipsLayout::useControlFont(this);

    createControls();
    connect(cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
    showVersion();
    TitleBar::watch(this);
    FocusRing::follow(this);
}

void frmAbout::createControls()
{
    // Created in tab order.
    Label1 = label(this, "Label1", QStringLiteral("Parlino"));
    Label2 = label(this, "Label2", tr("Simple Direct IP Chat Application"));
    lblVersion = label(this, "lblVersion", QString());
    cmdClose = new PushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    Label3 = label(this, "Label3", tr("By the Parlino developers"));
    Label4 = label(this, "Label4", tr("AIM: %1").arg(ScreenName));
    Label5 = label(this, "Label5", tr("E-Mail: %1").arg(MailAddress));

    QFont titleFont = font();
    titleFont.setFamilies(TitleFamilies + QStringList{font().family()});
    titleFont.setPointSizeF(TitlePointSize);
    titleFont.setWeight(QFont::Bold);
    Label1->setFont(titleFont);

    TwipsLayout::place(Label1, 120, 120, 4455, 615);
    TwipsLayout::place(Label2, 120, 840, 4455, 255);
    TwipsLayout::place(lblVersion, 120, 1200, 4455, 255);
    TwipsLayout::place(cmdClose, 1440, 2640, 1815, 375);
    TwipsLayout::place(Label3, 120, 1560, 4455, 255);
    TwipsLayout::place(Label4, 120, 1920, 4455, 255);
    TwipsLayout::place(Label5, 120, 2280, 4455, 255);

    cmdClose->setFocus();
}

void frmAbout::showVersion()
{
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(Version::Major).arg(Version::Minor).arg(Version::Revision));
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // Esc does not close this box; only Close and the close box do.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
