// SPDX-License-Identifier: MIT
#pragma once

#include <QIconEngine>
#include <QList>

// An icon drawn in several sizes, one image file each, read only when a size is asked for and not
// kept: the window system takes its copies when the window shows, and Qt's own icon would keep
// every size decoded for the whole run (the largest alone a quarter of a megabyte).
class BundledIcon : public QIconEngine
{
public:
    // `pattern` names a file with %1 for the size in pixels.
    BundledIcon(const QString &pattern, const QList<int> &sizes);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    QString m_pattern;
    QList<int> m_sizes;  // ascending
};
