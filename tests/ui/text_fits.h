// Checks that no caption of a window is cut off: the text of every label (on the lines it has room
// for, where it wraps), button, check box and option button (with its indicator) fits.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>

inline int NeededWidth(QWidget* w, const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
    const int textWidth = w->fontMetrics().horizontalAdvance(text);
    QStyle* style = w->style();
    if (qobject_cast<QCheckBox*>(w)) {
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) + textWidth;
    }
    if (qobject_cast<QRadioButton*>(w)) {
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) + textWidth;
    }
    return textWidth;
}

inline QStringList ClippedCaptions(QWidget* window) {
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString caption;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap() && label->heightForWidth(w->width()) > w->height())
            clipped << label->text() + QStringLiteral(" (cut at the bottom)");
        if (label && !label->wordWrap()) caption = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
        if (caption.isEmpty()) continue;
        const int needed = NeededWidth(w, caption);
        if (needed > w->width())
            clipped << QStringLiteral("%1 (%2 > %3)").arg(caption).arg(needed).arg(w->width());
    }
    return clipped;
}
