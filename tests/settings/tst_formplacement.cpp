#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <climits>
#include <memory>

#include "settings/FormPlacement.h"
#include "settings/WorkArea.h"
#include "settings/store/SettingsModel.h"
#include "settings/store/TRegistryIniFile.h"
#include "shared/General/General.h"
#include "tests/settings/SettingsFixture.h"

using namespace SettingsFixture;

namespace {

constexpr TPlacementOptions kAll = plSize | plPosition | plMaximized;

// A window's bounds as four numbers. A QRect keeps its right and bottom
// edges, which overflow for a left or top at the edge of the int range.
struct Bounds {
    Bounds() = default;
    Bounds(int l, int t, int w, int h) : left(l), top(t), width(w), height(h) {}
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
const QString kPrefix = QStringLiteral("Main");

// The designed size of the main window.
constexpr int kDesignedWidth = 851;
constexpr int kDesignedHeight = 462;

// What a save wrote, in the order of the keys.
QList<int> storedPlacement() {
    TRegistryIniFile store(SettingsKeyPath());
    QList<int> values;
    for (const char* word : {"Top", "Left", "Height", "Width", "State"})
        values += store.readInteger(QString(), kPrefix + QLatin1String(word), INT_MIN);
    return values;
}

void save(QWidget* window, TPlacementOptions options = kAll) {
    SettingsModel settings;
    SaveFormPlacement(window, settings, kPrefix, options);
    TRegistryIniFile store(SettingsKeyPath());
    settings.save(store);
    store.updateFile();
}

void restore(QWidget* window, TPlacementOptions options = kAll) {
    const TRegistryIniFile store(SettingsKeyPath());
    SettingsModel settings;
    settings.load(store);
    RestoreFormPlacement(window, settings, kPrefix, options);
}

}  // namespace

Q_DECLARE_METATYPE(Bounds)

class TestFormPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetProgramFilePath(kProgramFile); }
    void init() {
        SetMainWindow(nullptr);
        SetMainWindowShowsMaximized(false);
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
        QVERIFY(!GetWorkArea().isEmpty());
    }
    void cleanup() { m_home.reset(); }

    void keepOnWorkArea_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<bool>("limit");
        QTest::addColumn<Bounds>("window");
        QTest::addColumn<QRect>("expected");
        const QRect wide(0, 0, 1920, 1040);
        const QRect taskbarLeft(60, 0, 1860, 1080);
        const QRect taskbarTop(0, 40, 1920, 1040);
        QTest::newRow("inside") << wide << true << Bounds(100, 100, 851, 462)
                                << QRect(100, 100, 851, 462);
        QTest::newRow("left beyond the right edge")
            << wide << true << Bounds(5000, 100, 851, 462) << QRect(1890, 100, 851, 462);
        QTest::newRow("left exactly at the right edge stays")
            << wide << true << Bounds(1920, 100, 851, 462) << QRect(1920, 100, 851, 462);
        QTest::newRow("far off to the left keeps 30 pixels")
            << wide << true << Bounds(-2000, 100, 851, 462) << QRect(-821, 100, 851, 462);
        QTest::newRow("exactly 30 pixels inside stays")
            << wide << true << Bounds(-821, 100, 851, 462) << QRect(-821, 100, 851, 462);
        QTest::newRow("above the top")
            << wide << true << Bounds(100, -50, 851, 462) << QRect(100, 0, 851, 462);
        QTest::newRow("below the bottom")
            << wide << true << Bounds(100, 2000, 851, 462) << QRect(100, 1010, 851, 462);
        QTest::newRow("sticking out right and bottom stays")
            << wide << true << Bounds(1500, 900, 851, 462) << QRect(1500, 900, 851, 462);
        QTest::newRow("too wide, limited")
            << wide << true << Bounds(0, 0, 3000, 2000) << QRect(0, 0, 1920, 1040);
        QTest::newRow("too wide, not limited")
            << wide << false << Bounds(0, 0, 3000, 2000) << QRect(0, 0, 3000, 2000);
        QTest::newRow("taskbar at the left")
            << taskbarLeft << true << Bounds(-2000, 5, 851, 462) << QRect(-761, 5, 851, 462);
        QTest::newRow("taskbar at the top")
            << taskbarTop << true << Bounds(10, 0, 851, 462) << QRect(10, 40, 851, 462);
        QTest::newRow("extreme values")
            << wide << true << Bounds(INT_MAX, INT_MIN, 851, 462) << QRect(1890, 0, 851, 462);
        QTest::newRow("extreme left")
            << wide << true << Bounds(INT_MIN, INT_MAX, 851, 462) << QRect(-821, 1010, 851, 462);
        QTest::newRow("no work area changes nothing")
            << QRect() << true << Bounds(5000, -50, 3000, 10) << QRect(5000, -50, 3000, 10);
    }

    void keepOnWorkArea() {
        QFETCH(QRect, area);
        QFETCH(bool, limit);
        QFETCH(Bounds, window);
        QFETCH(QRect, expected);
        int left = window.left, top = window.top, width = window.width, height = window.height;
        KeepOnWorkArea(left, top, width, height, limit, area);
        QCOMPARE(QRect(left, top, width, height), expected);
    }

    void centeredPosition_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("designed size")
            << QRect(0, 0, 1920, 1040) << QSize(kDesignedWidth, kDesignedHeight)
            << QPoint(535, 289);
        QTest::newRow("odd sizes truncate")
            << QRect(0, 0, 1921, 1041) << QSize(851, 463) << QPoint(535, 289);
        QTest::newRow("beside a taskbar at the left")
            << QRect(60, 0, 1860, 1080) << QSize(kDesignedWidth, kDesignedHeight)
            << QPoint(565, 309);
        QTest::newRow("below a taskbar at the top")
            << QRect(0, 40, 1920, 1040) << QSize(kDesignedWidth, kDesignedHeight)
            << QPoint(535, 329);
        QTest::newRow("larger than the area, title bar kept on it")
            << QRect(0, 0, 1920, 1040) << QSize(2000, 1200) << QPoint(-40, 0);
    }

    void centeredPosition() {
        QFETCH(QRect, area);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        QCOMPARE(CenteredPosition(size.width(), size.height(), nullptr, area), expected);
        QWidget hiddenOwner;
        hiddenOwner.setGeometry(10, 10, 100, 100);
        QCOMPARE(CenteredPosition(size.width(), size.height(), &hiddenOwner, area), expected);
    }

    void firstRunCentresTheDesignedWindow() {
        const QRect area = GetWorkArea();
        if (area.width() < 400 || area.height() < kDesignedHeight)
            QSKIP("the screen is too small to hold the window's title bar when centred");
        QWidget window;
        window.resize(kDesignedWidth, kDesignedHeight);
        restore(&window);
        // Centred at its designed size, then no wider than the work area.
        const QRect expected(area.x() + area.width() / 2 - 425, area.y() + area.height() / 2 - 231,
                             std::min(area.width(), kDesignedWidth), kDesignedHeight);
        QCOMPARE(window.geometry(), expected);
        QVERIFY(!MainWindowShowsMaximized());
    }

    void restoreAppliesStoredValues_data() {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<QRect>("expected");  // relative to the work area's top left
        const QRect area = GetWorkArea();
        QTest::newRow("inside") << QByteArray(
                                       "\"MainTop\"=dword:00000014\n"
                                       "\"MainLeft\"=dword:0000001e\n"
                                       "\"MainHeight\"=dword:00000064\n"
                                       "\"MainWidth\"=dword:000000c8\n")
                                << QRect(30, 20, 200, 100);
        QTest::newRow("as texts") << QByteArray(
                                         "\"MainTop\"=\"20\"\n\"MainLeft\"=\"30\"\n"
                                         "\"MainHeight\"=\"100\"\n\"MainWidth\"=\"200\"\n")
                                  << QRect(30, 20, 200, 100);
        QTest::newRow("left beyond the right edge")
            << QByteArray(
                   "\"MainTop\"=dword:00000000\n\"MainLeft\"=dword:00001388\n"
                   "\"MainHeight\"=dword:00000064\n\"MainWidth\"=dword:000000c8\n")
            << QRect(area.width() - 30, 0, 200, 100);
        QTest::newRow("above the top, too wide")
            << QByteArray(
                   "\"MainTop\"=dword:ffffffce\n\"MainLeft\"=dword:00000000\n"
                   "\"MainHeight\"=dword:00000064\n\"MainWidth\"=dword:00000bb8\n")
            << QRect(0, 0, area.width(), 100);
        QTest::newRow("below the bottom")
            << QByteArray(
                   "\"MainTop\"=dword:00002710\n\"MainLeft\"=dword:00000000\n"
                   "\"MainHeight\"=dword:00000064\n\"MainWidth\"=dword:000000c8\n")
            << QRect(0, area.height() - 30, 200, 100);
        QTest::newRow("top never stored: centred")
            << QByteArray(
                   "\"MainTop\"=dword:ffffd8f0\n\"MainLeft\"=dword:00000000\n"
                   "\"MainHeight\"=dword:00000064\n\"MainWidth\"=dword:000000c8\n")
            << QRect(area.width() / 2 - 100, area.height() / 2 - 50, 200, 100);
        QTest::newRow("left never stored: centred")
            << QByteArray(
                   "\"MainTop\"=dword:00000000\n\"MainLeft\"=\"-10000\"\n"
                   "\"MainHeight\"=dword:00000064\n\"MainWidth\"=dword:000000c8\n")
            << QRect(area.width() / 2 - 100, area.height() / 2 - 50, 200, 100);
        QTest::newRow("no size is kept as designed")
            << QByteArray(
                   "\"MainTop\"=dword:00000000\n\"MainLeft\"=dword:00000000\n"
                   "\"MainHeight\"=dword:00000000\n\"MainWidth\"=dword:fffffff6\n")
            << QRect(0, 0, 300, 200);
        QTest::newRow("an unreadable size applies nothing")
            << QByteArray(
                   "\"MainTop\"=dword:00000000\n\"MainLeft\"=dword:00000000\n"
                   "\"MainHeight\"=hex:01\n\"MainWidth\"=dword:000000c8\n\"MainState\"="
                   "dword:00000002\n")
            << QRect(7 - area.x(), 9 - area.y(), 300, 200);
    }

    void restoreAppliesStoredValues() {
        QFETCH(QByteArray, values);
        QFETCH(QRect, expected);
        QVERIFY(writeKeyFile(values));
        QWidget window;
        window.setGeometry(7, 9, 300, 200);
        restore(&window);
        const QRect area = GetWorkArea();
        QCOMPARE(window.geometry(), expected.translated(area.topLeft()));
        QVERIFY(!MainWindowShowsMaximized());
    }

    void restoreKeepsTheLayoutsMinimum_data() {
        QTest::addColumn<QByteArray>("size");
        QTest::newRow("stored smaller") << QByteArray(
            "\"MainHeight\"=dword:00000064\n"
            "\"MainWidth\"=dword:000000c8\n");
        QTest::newRow("stored wider than the work area")
            << QByteArray("\"MainHeight\"=dword:00000064\n\"MainWidth\"=dword:00002710\n");
    }

    void restoreKeepsTheLayoutsMinimum() {
        QFETCH(QByteArray, size);
        QVERIFY(writeKeyFile("\"MainTop\"=dword:00000000\n\"MainLeft\"=dword:00000000\n" + size));
        // Wider than any work area the tests run on, as a large font can make
        // a window's layout.
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* content = new QWidget(&window);
        content->setMinimumSize(GetWorkArea().width() + 100, 300);
        layout->addWidget(content);
        restore(&window);
        QCOMPARE(window.size(), window.minimumSizeHint());
        // What a save then stores is what the restore applied.
        save(&window);
        QCOMPARE(storedPlacement().mid(2, 2),
                 (QList<int>{window.minimumSizeHint().height(), window.minimumSizeHint().width()}));
    }

    void saveThenRestoreChangesNothing_data() {
        QTest::addColumn<QRect>("placed");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << QRect(100, 50, 500, 400) << false;
        QTest::newRow("maximised") << QRect(100, 50, 500, 400) << true;
        QTest::newRow("partly off to the left") << QRect(-200, 10, 400, 300) << false;
        QTest::newRow("at the top left corner") << QRect(0, 0, 400, 300) << false;
    }

    void saveThenRestoreChangesNothing() {
        QFETCH(QRect, placed);
        QFETCH(bool, maximized);
        const QRect area = GetWorkArea();
        QRect firstBounds;
        {
            QWidget window;
            window.setGeometry(placed.translated(area.topLeft()));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (maximized)
                window.showMaximized();
            QCOMPARE(window.isMaximized(), maximized);
            firstBounds = window.normalGeometry();
            save(&window);
        }
        const QList<int> first = storedPlacement();
        QCOMPARE(first, (QList<int>{firstBounds.y() - area.y(), firstBounds.x() - area.x(),
                                    placed.height(), placed.width(), maximized ? 2 : 0}));
        // Two runs more: each restores, shows and saves again.
        for (int run = 0; run < 2; ++run) {
            SetMainWindow(nullptr);
            QWidget window;
            window.resize(kDesignedWidth, kDesignedHeight);
            restore(&window);
            QCOMPARE(MainWindowShowsMaximized(), maximized);
            ShowMainWindow(&window);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.isMaximized(), maximized);
            const QRect shownNormal = window.normalGeometry();
            QCOMPARE(shownNormal.size(), placed.size());
            save(&window);
            QCOMPARE(storedPlacement(), first);
            if (maximized) {
                // Un-maximising gives the place it had before.
                window.showNormal();
                QTRY_COMPARE(window.geometry(), shownNormal);
            }
        }
    }

    void aMinimisedMainWindowIsStoredNormal() {
        QWidget window;
        window.setGeometry(40, 40, 300, 200);
        window.show();
        window.showMaximized();
        window.showMinimized();
        QVERIFY(window.isMinimized() && window.isMaximized());
        SetMainWindow(&window);
        save(&window, plMaximized);
        QCOMPARE(storedPlacement().last(), 0);

        // Any other window keeps its maximised state.
        QWidget main;
        SetMainWindow(&main);
        save(&window, plMaximized);
        QCOMPARE(storedPlacement().last(), 2);
    }

    void otherWindowsAreMaximisedAtOnce() {
        QVERIFY(writeKeyFile("\"MainState\"=dword:00000002\n"));
        QWidget main;
        SetMainWindow(&main);
        QWidget window;
        restore(&window, plMaximized);
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        QVERIFY(!MainWindowShowsMaximized());
        QVERIFY(!(main.windowState() & Qt::WindowMaximized));
    }

    void aDialogIsCentredOverItsOwner() {
        QWidget owner;
        owner.setGeometry(GetWorkArea().x() + 100, GetWorkArea().y() + 60, 400, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        SetMainWindow(&owner);
        QWidget dialog(&owner, Qt::Dialog);
        dialog.resize(200, 100);
        restore(&dialog, plSize | plPosition);
        const QRect base = owner.geometry();
        QCOMPARE(dialog.geometry(), QRect(base.x() + 200 - 100, base.y() + 150 - 50, 200, 100));
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_MAIN(TestFormPlacement)
#include "tst_formplacement.moc"
