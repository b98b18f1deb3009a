#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "tests/ui/WindowFixture.h"
#include "ui/PageGuard.h"

using namespace WindowFixture;

// The page guard filters the page control and its tab bar. While the window
// goes, those widgets are destroyed piece by piece; a guard still filtering
// them then would call into a tab widget that is no longer one.
class TestPageGuardLifetime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_home.reset();
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }

    void guardLeavesBeforeThePageControl() {
        RecordingPrompter prompter;
        auto form = std::make_unique<TForm1>(&prompter);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        auto* pages = control<QTabWidget>(*form, "PageControl1");
        QPointer<PageGuard> guard = pages->window()->findChild<PageGuard*>();
        QVERIFY(guard);
        QList<bool> guardGoneWhen;
        for (QObject* widget :
             {static_cast<QObject*>(pages), static_cast<QObject*>(pages->tabBar())})
            connect(widget, &QObject::destroyed, this,
                    [&guardGoneWhen, &guard] { guardGoneWhen.append(guard.isNull()); });
        form->close();
        form.reset();
        QCOMPARE(guardGoneWhen, QList<bool>({true, true}));
    }

    // A guard on a tab widget of its own goes with it and sees no event of
    // the widget's destruction that it would act on.
    void guardOnItsOwnTabWidget() {
        auto tabs = std::make_unique<QTabWidget>();
        tabs->addTab(new QWidget, "one");
        tabs->addTab(new QWidget, "two");
        int asked = 0;
        QPointer<PageGuard> guard = new PageGuard(tabs.get(), [&asked](int, int) {
            ++asked;
            return false;
        });
        tabs->show();
        QVERIFY(QTest::qWaitForWindowExposed(tabs.get()));
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QCOMPARE(asked, 1);
        QCOMPARE(tabs->currentIndex(), 0);
        tabs.reset();
        QVERIFY(guard.isNull());
        QCOMPARE(asked, 1);
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_MAIN(TestPageGuardLifetime)
#include "tst_pageguardlifetime.moc"
