// SPDX-License-Identifier: MIT
#include "bundledicon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

BundledIcon::BundledIcon(const QString &pattern, const QList<int> &sizes)
    : m_pattern(pattern), m_sizes(sizes)
{
}

QPixmap BundledIcon::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    // The smallest drawing at least as large, or else the largest; scaled down to fit.
    const int wanted = std::max(size.width(), size.height());
    const auto fitting = std::lower_bound(m_sizes.cbegin(), m_sizes.cend(), wanted);
    const int px = fitting == m_sizes.cend() ? m_sizes.last() : *fitting;
    QPixmap image(m_pattern.arg(px), "PNG");
    return px > wanted ? image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation) : image;
}

void BundledIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device()->devicePixelRatio();
    QPixmap image = pixmap(rect.size() * scale, mode, state);
    image.setDevicePixelRatio(scale);
    painter->drawPixmap(rect, image);
}

QList<QSize> BundledIcon::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int px : m_sizes) sizes.append(QSize(px, px));
    return sizes;
}

QIconEngine *BundledIcon::clone() const
{
    return new BundledIcon(*this);
}
