#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

// Whether a window shows all of itself: every visible control of every page
// lies inside its parent and the window, no two controls side by side
// overlap, and no caption of a label, check box, group box, tab or button is
// wider (or higher) than its control. Problems() shows each page of each page
// control in turn and returns the problems found, one readable line each, so
// that a test can run the same check under any font, scale or language.
namespace WindowFit {

namespace Detail {

// Controls are the widgets a form names; Qt's own parts are named "qt_...".
inline bool IsControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Shown, or hidden while its layout keeps its room (it can show at any time).
inline bool TakesRoom(const QWidget* widget) {
    if (widget->isVisible())
        return true;
    return widget->isHidden() && widget->sizePolicy().retainSizeWhenHidden() &&
           widget->parentWidget() && widget->parentWidget()->isVisible();
}

inline QString Name(const QWidget* widget) {
    return widget->objectName();
}

inline QString Size(const QSize& size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

inline QString PlainCaption(QString text) {
    // "&&" shows one "&"; a single "&" marks the accelerator and takes no room.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Each ancestor up to the window must hold the whole control.
inline void CheckInView(QWidget* window, QWidget* widget, QStringList& problems) {
    QRect rect(QPoint(0, 0), widget->size());
    QWidget* child = widget;
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        rect.translate(child->pos());
        if (!QRect(QPoint(0, 0), parent->size()).contains(rect)) {
            problems << QStringLiteral("%1 (%2,%3 %4) is cut off by %5 (%6)")
                            .arg(Name(widget))
                            .arg(rect.x())
                            .arg(rect.y())
                            .arg(Size(rect.size()),
                                 parent == window ? QStringLiteral("the window") : Name(parent),
                                 Size(parent->size()));
            return;
        }
        if (parent == window)
            return;
        child = parent;
    }
}

inline void CheckCaptionRoom(const QWidget* widget, const QString& caption, const QSize& needed,
                             const QSize& room, QStringList& problems) {
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    problems << QStringLiteral("the caption \"%1\" of %2 needs %3 but has %4")
                    .arg(caption, Name(widget), Size(needed), Size(room));
}

// A button's caption is drawn in the part of it the style keeps for it.
inline void CheckButtonCaption(QAbstractButton* button, QStyle::SubElement captionPart,
                               QStringList& problems) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(captionPart, &option, button);
    CheckCaptionRoom(button, PlainCaption(button->text()),
                     button->fontMetrics().size(Qt::TextShowMnemonic, button->text()), room.size(),
                     problems);
}

inline void CheckCaption(QWidget* widget, QStringList& problems) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->wordWrap())
            return;
        CheckCaptionRoom(label, label->text(), label->sizeHint(), label->size(), problems);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        CheckButtonCaption(button, QStyle::SE_PushButtonContents, problems);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        CheckButtonCaption(box, QStyle::SE_CheckBoxContents, problems);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        // The title and everything the group's layout holds.
        CheckCaptionRoom(group, PlainCaption(group->title()), group->minimumSizeHint(),
                         group->size(), problems);
    }
}

// A list that never scrolls sideways promises to show each item whole.
inline void CheckListItems(QListWidget* list, QStringList& problems) {
    if (list->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        return;
    const QRect viewport = list->viewport()->rect();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QRect rect = list->visualItemRect(item);
        const int needed = list->fontMetrics().horizontalAdvance(item->text());
        if (!viewport.contains(rect) || rect.width() < needed) {
            problems << QStringLiteral("the item \"%1\" of %2 needs %3 pixels but shows %4")
                            .arg(item->text(), Name(list))
                            .arg(needed)
                            .arg(viewport.intersected(rect).width());
        }
    }
}

inline void CheckTabs(QWidget* window, QTabWidget* pages, QStringList& problems) {
    // The bar's size hint is every tab at the width its caption needs.
    QTabBar* bar = pages->tabBar();
    const bool allWhole = bar->sizeHint().width() <= bar->width();
    for (int i = 0; i < bar->count(); ++i) {
        const QString caption = PlainCaption(bar->tabText(i));
        if (!allWhole || !bar->rect().contains(bar->tabRect(i)))
            problems
                << QStringLiteral("the tab \"%1\" of %2 is cut short").arg(caption, Name(pages));
    }
    if (!QRect(QPoint(0, 0), window->size())
             .contains(QRect(bar->mapTo(window, QPoint(0, 0)), bar->size())))
        problems << QStringLiteral("the tabs of %1 lie outside the window").arg(Name(pages));
}

// Controls of the same parent that share pixels hide part of each other.
inline void CheckOverlaps(const QList<QWidget*>& controls, QStringList& problems) {
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls.at(i);
            QWidget* b = controls.at(j);
            if (a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry()))
                problems << QStringLiteral("%1 and %2 overlap").arg(Name(a), Name(b));
        }
    }
}

inline void CheckShownControls(QWidget* window, QStringList& problems) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (IsControl(widget) && TakesRoom(widget) && !widget->isWindow())
            controls << widget;
    }
    for (QWidget* widget : controls) {
        CheckInView(window, widget, problems);
        CheckCaption(widget, problems);
        if (auto* list = qobject_cast<QListWidget*>(widget))
            CheckListItems(list, problems);
        if (auto* pages = qobject_cast<QTabWidget*>(widget))
            CheckTabs(window, pages, problems);
    }
    CheckOverlaps(controls, problems);
}

}  // namespace Detail

// The problems of the window as it is now, page by page; the pages shown
// before are shown again afterwards. An empty list means the window fits.
inline QStringList Problems(QWidget* window) {
    QStringList problems;
    const QList<QTabWidget*> pageControls = window->findChildren<QTabWidget*>();
    QList<int> shown;
    for (QTabWidget* pages : pageControls)
        shown << pages->currentIndex();
    auto check = [&](const QString& where) {
        // A page shown anew lays itself out over a few rounds of requests.
        for (int round = 0; round < 5; ++round)
            QApplication::processEvents();
        QStringList found;
        Detail::CheckShownControls(window, found);
        for (const QString& problem : found)
            problems << where + problem;
    };
    if (pageControls.isEmpty())
        check(QString());
    for (QTabWidget* pages : pageControls) {
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            check(QStringLiteral("page \"%1\": ").arg(pages->tabText(page)));
        }
    }
    for (int i = 0; i < pageControls.size(); ++i)
        pageControls.at(i)->setCurrentIndex(shown.at(i));
    problems.removeDuplicates();
    return problems;
}

}  // namespace WindowFit
