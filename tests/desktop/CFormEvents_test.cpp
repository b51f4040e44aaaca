#include "InputTestSupport.h"

#include "common/TestSupport.h"

#include "base/ErrorContext.h"
#include "desktop/CFormEvents.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <vector>

namespace {

void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace

TEST(CFormEvents, TenFormsTakeTheSlotsAndAnEleventhFails)
{
    ASSERT_EQ(CFormEvents::HookedFormCount(), 0);
    std::vector<std::unique_ptr<QWidget>> forms;
    std::vector<std::unique_ptr<CFormEvents>> hooks;
    for (int i = 0; i < CFormEvents::kFormSlots; ++i) {
        forms.push_back(std::make_unique<QWidget>());
        hooks.push_back(std::make_unique<CFormEvents>());
        hooks.back()->SetHookedForm(forms.back().get());
        EXPECT_EQ(hooks.back()->Slot(), i + 1);
    }
    QWidget eleventh;
    CFormEvents extra;
    try {
        extra.SetHookedForm(&eleventh);
        ADD_FAILURE() << "an eleventh form was hooked";
    } catch (const VorlenError& error) {
        EXPECT_EQ(error.Info().number, kTooManySubclassedWindows);
        EXPECT_EQ(error.Info().source, QStringLiteral("CFormEvents class"));
        EXPECT_EQ(error.Info().description, QStringLiteral("Too many subclassed windows"));
    }
    EXPECT_EQ(extra.Slot(), 0);
    EXPECT_EQ(extra.HookedForm(), nullptr);
    EXPECT_EQ(CFormEvents::HookedFormCount(), CFormEvents::kFormSlots);

    // Ending an object frees its slot; hooking another form keeps one slot; nothing unhooks.
    hooks[3].reset();
    extra.SetHookedForm(&eleventh);
    EXPECT_EQ(extra.Slot(), 4);
    hooks[0]->SetHookedForm(forms[3].get());
    EXPECT_EQ(hooks[0]->Slot(), 1);
    EXPECT_EQ(CFormEvents::HookedFormCount(), CFormEvents::kFormSlots);
    hooks[0]->SetHookedForm(nullptr);
    EXPECT_EQ(hooks[0]->Slot(), 0);
    EXPECT_EQ(CFormEvents::HookedFormCount(), CFormEvents::kFormSlots - 1);
}

TEST(CFormEvents, HotKeysWorkInEveryWindowOfTheApplicationUntilRemoved)
{
    TempAppFolder app;
    QWidget form;
    form.show();
    CFormEvents events;
    events.SetHookedForm(&form);
    QSignalSpy hotKeys(&events, &CFormEvents::HotKey);
    EXPECT_TRUE(events.AddHotKey(7, QKeySequence(QStringLiteral("Ctrl+T"))));
    EXPECT_FALSE(events.AddHotKey(7, QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_FALSE(events.AddHotKey(8, QKeySequence()));
    EXPECT_EQ(app.LogBody(),
        QStringList(
            {QStringLiteral("Failed to Register a HotKey, ID 7<br>"), QStringLiteral("Failed to Register a HotKey, ID 8<br>")}));
    EXPECT_EQ(events.HotKeyIds(), QList<int>{7});

    QWidget other;
    ShowActive(other);
    QTest::keyClick(other.windowHandle(), Qt::Key_T, Qt::ControlModifier);
    ASSERT_EQ(hotKeys.size(), 1);
    EXPECT_EQ(hotKeys[0][0].toInt(), 7);
    events.DelHotKey(7);
    QTest::keyClick(other.windowHandle(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(hotKeys.size(), 1);
    EXPECT_TRUE(events.HotKeyIds().isEmpty());
}

TEST(CFormEvents, KeysAreSeenOnceBeforeTheControlAndMediaKeysAreAppCommands)
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    ShowActive(form);
    edit->setFocus();
    CFormEvents events;
    events.SetHookedForm(&form);
    QStringList seen;
    QObject::connect(&events, &CFormEvents::KeyDown, [&](QWidget* control, int key, Qt::KeyboardModifiers, bool* handled) {
        if (key == Qt::Key_Control)
            return;
        seen << control->metaObject()->className() + QStringLiteral(" ") + QKeySequence(key).toString();
        if (key == Qt::Key_B)
            *handled = true;
    });
    QSignalSpy commands(&events, &CFormEvents::AppCommand);
    QWindow* window = form.windowHandle();
    QTest::keyClick(window, Qt::Key_A);
    QTest::keyClick(window, Qt::Key_B);
    QTest::keyClick(window, Qt::Key_F8);  // the line edit leaves it: it goes on to the form
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
    EXPECT_EQ(seen, QStringList({"QLineEdit A", "QLineEdit B", "QLineEdit F8"}));

    ClickKey(window, Qt::Key_MediaTogglePlayPause);
    ClickKey(window, Qt::Key_VolumeUp, Qt::ControlModifier);
    ASSERT_EQ(commands.size(), 2);
    EXPECT_EQ(commands[0], (QList<QVariant>{14, 0, 0}));
    EXPECT_EQ(commands[1], (QList<QVariant>{10, 0, 8}));
    EXPECT_EQ(seen.size(), 3);
}

TEST(CFormEvents, ThePointerGoingFromControlToControlLeavesOneAndEntersTheOther)
{
    QWidget form;
    form.resize(200, 100);
    auto* left = new QWidget(&form);
    left->setObjectName(QStringLiteral("left"));
    left->setGeometry(0, 0, 50, 50);
    auto* right = new QWidget(&form);
    right->setObjectName(QStringLiteral("right"));
    right->setGeometry(100, 0, 50, 50);
    ShowActive(form);
    CFormEvents events;
    events.SetHookedForm(&form);
    QStringList moves;
    QObject::connect(&events, &CFormEvents::MouseEnter, [&](QWidget* c) { moves << QStringLiteral("enter ") + c->objectName(); });
    QObject::connect(&events, &CFormEvents::MouseExit, [&](QWidget* c) { moves << QStringLiteral("exit ") + c->objectName(); });
    form.setObjectName(QStringLiteral("form"));
    QWindow* window = form.windowHandle();

    QTest::mouseMove(window, QPoint(20, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !moves.isEmpty(); }, 2000));
    moves.clear();
    QTest::mouseMove(window, QPoint(25, 25));  // within the same control: nothing
    QTest::mouseMove(window, QPoint(120, 20));
    const QStringList across({"exit left", "enter right"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return moves == across; }, 2000)) << moves.join(", ").toStdString();
    QTest::mouseMove(window, QPoint(120, 80));
    const QStringList back({"exit left", "enter right", "exit right", "enter form"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return moves == back; }, 2000)) << moves.join(", ").toStdString();
}

TEST(CFormEvents, LocalFilesDroppedOnTheFormAreItsAndAddressesAreRefused)
{
    TempAppFolder app;
    QWidget form;
    form.resize(200, 100);
    ShowActive(form);
    CFormEvents events;
    events.SetHookedForm(&form);
    QSignalSpy dropped(&events, &CFormEvents::FileDropped);
    EXPECT_FALSE(DropOn(&form, QPoint(10, 10), {QUrl::fromLocalFile(QStringLiteral("/movies/a.swf"))}));

    events.SetDragDrop(true);
    EXPECT_TRUE(DropOn(&form, QPoint(30, 40),
        {QUrl::fromLocalFile(QStringLiteral("/movies/a b.swf")), QUrl(QStringLiteral("https://example.org/b.swf")),
            QUrl::fromLocalFile(QStringLiteral("/movies/folder"))}));
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0][0].toStringList(), QStringList({"/movies/a b.swf", "/movies/folder"}));
    EXPECT_EQ(dropped[0][1].toInt(), 30);
    EXPECT_EQ(dropped[0][2].toInt(), 40);
    EXPECT_EQ(
        app.LogBody(), QStringList{QStringLiteral("Dropped Item Refused (not a local file): https://example.org/b.swf<br>")});

    // Only addresses: refused, nothing dropped.
    EXPECT_TRUE(DropOn(&form, QPoint(30, 40), {QUrl(QStringLiteral("ftp://example.org/c.swf"))}));
    EXPECT_EQ(dropped.size(), 1);
}

TEST(CFormEvents, TheHandOverOfASecondStartIsACopyDataEvent)
{
    QWidget form;
    CFormEvents events;
    events.SetHookedForm(&form);
    QSignalSpy copies(&events, &CFormEvents::CopyData);
    events.DeliverCopyData(QStringLiteral("\"/movies/a b.swf\" c.swf"));
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies[0][0].toString(), QStringLiteral("\"/movies/a b.swf\" c.swf"));
}
