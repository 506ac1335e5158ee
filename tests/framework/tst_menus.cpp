// What a menu does with its items by itself: hotkeys for captions without one, lines left out
// where they would stand at an end or beside another, the change notice, and the submenu
// image list that is forgotten when freed.

#include "Application.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"

#include <QAction>
#include <QtTest>

namespace {

// Adds items with these captions to parent; "-" is a line.
void AddItems(TComponent *owner, TMenuItem *parent, const QStringList &captions)
{
    for (const QString &caption : captions) {
        auto *item = new TMenuItem(owner);
        item->SetCaption(caption);
        parent->Add(item);
    }
}

// The texts the Qt menu shows for the visible subitems of parent; a line shows as "-".
QStringList Shown(TMenuItem *parent)
{
    QStringList texts;
    for (int i = 0; i < parent->Count(); ++i) {
        QAction *action = parent->Items(i)->QtAction();
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

struct ChangeLog
{
    void Changed(TObject *sender, TMenuItem *source, bool rebuild)
    {
        QVERIFY(sender == menu);
        log << QStringLiteral("%1 %2").arg(source->Caption(), rebuild ? "rebuild" : "change");
    }
    TMenu *menu = nullptr;
    QStringList log;
};

} // namespace

class MenusTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TApplication> m_app;

private slots:
    void init() { m_app = std::make_unique<TApplication>(nullptr); }
    void cleanup() { m_app.reset(); }

    void hotkeysAndLines_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("menuHotkeys");   // the menu's AutoHotkeys
        QTest::addColumn<int>("menuLines");     // the menu's AutoLineReduction
        QTest::addColumn<int>("itemFlags");     // both flags of the parent item
        QTest::addColumn<QStringList>("shown");
        const QStringList files{"Open", "Options", "&Save", "1 recent", "Ö", "&&More"};
        QTest::newRow("first free letter, marked ones kept")
            << files << int(maAutomatic) << int(maAutomatic) << int(maParent)
            << QStringList{"&Open", "O&ptions", "&Save", "&1 recent", "&Ö", "&&&More"};
        QTest::newRow("manual menu shows captions as they are")
            << files << int(maManual) << int(maManual) << int(maParent) << files;
        QTest::newRow("item overrides its menu")
            << files << int(maManual) << int(maManual) << int(maAutomatic)
            << QStringList{"&Open", "O&ptions", "&Save", "&1 recent", "&Ö", "&&&More"};
        QTest::newRow("no letter left") << QStringList{"ab", "ba", "a"} << int(maAutomatic)
                                        << int(maAutomatic) << int(maParent)
                                        << QStringList{"&ab", "&ba", "a"};
        const QStringList lines{"-", "Cut", "-", "-", "Copy", "-"};
        QTest::newRow("lines at the ends and doubled go")
            << lines << int(maAutomatic) << int(maAutomatic) << int(maParent)
            << QStringList{"&Cut", "-", "C&opy"};
        QTest::newRow("manual lines stay") << lines << int(maManual) << int(maManual)
                                           << int(maParent) << lines;
        QTest::newRow("item keeps its lines")
            << lines << int(maAutomatic) << int(maAutomatic) << int(maManual) << lines;
    }
    void hotkeysAndLines()
    {
        QFETCH(QStringList, captions);
        QFETCH(int, menuHotkeys);
        QFETCH(int, menuLines);
        QFETCH(int, itemFlags);
        QFETCH(QStringList, shown);
        TForm form(nullptr);
        auto *menu = new TPopupMenu(&form);
        QCOMPARE(menu->AutoHotkeys(), maAutomatic);
        QCOMPARE(menu->AutoLineReduction(), maAutomatic);
        auto *file = new TMenuItem(&form);
        file->SetCaption(QStringLiteral("File"));
        menu->Items()->Add(file);
        QCOMPARE(file->AutoHotkeys(), maParent);
        AddItems(&form, file, captions);
        menu->SetAutoHotkeys(TMenuAutoFlag(menuHotkeys));
        menu->SetAutoLineReduction(TMenuAutoFlag(menuLines));
        file->SetAutoHotkeys(TMenuItemAutoFlag(itemFlags));
        file->SetAutoLineReduction(TMenuItemAutoFlag(itemFlags));
        file->QtAction(); // the Qt menu as it pops up
        QCOMPARE(Shown(file), shown);
        // The captions themselves stay as given.
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(file->Items(i)->Caption(), captions[i]);
        QCOMPARE(file->Items(0)->Visible(), true);
    }

    void hotkeysFollowLaterChangesAndDesignState()
    {
        TForm form(nullptr);
        auto *menu = new TMainMenu(&form);
        AddItems(&form, menu->Items(), {"Edit", "Exit"});
        TMenuItem *edit = menu->Items()->Items(0);
        TMenuItem *exit = menu->Items()->Items(1);
        QCOMPARE(exit->QtAction()->text(), QStringLiteral("E&xit"));
        // A sibling that takes E for itself frees it... and the shown texts follow.
        edit->SetCaption(QStringLiteral("E&dit"));
        QCOMPARE(edit->QtAction()->text(), QStringLiteral("E&dit"));
        QCOMPARE(exit->QtAction()->text(), QStringLiteral("&Exit"));
        // A menu being designed shows the captions as they are.
        menu->SetDesigning(true);
        QCOMPARE(exit->QtAction()->text(), QStringLiteral("Exit"));
        menu->SetDesigning(false);
        QCOMPARE(exit->QtAction()->text(), QStringLiteral("&Exit"));
        // A line hidden by the menu comes back when it is needed again.
        AddItems(&form, edit, {"Cut", "-"});
        QCOMPARE(Shown(edit), (QStringList{"&Cut"}));
        AddItems(&form, edit, {"Paste"});
        QCOMPARE(Shown(edit), (QStringList{"&Cut", "-", "&Paste"}));
        edit->Items(2)->SetVisible(false);
        QCOMPARE(Shown(edit), (QStringList{"&Cut"}));
    }

    void changesAreReported()
    {
        TForm form(nullptr);
        auto *menu = new TPopupMenu(&form);
        ChangeLog log;
        log.menu = menu;
        menu->OnChange = TMenuChangeEvent::Of<&ChangeLog::Changed>(&log);
        auto *item = new TMenuItem(&form);
        item->SetCaption(QStringLiteral("Open"));
        menu->Items()->Add(item);
        auto *sub = new TMenuItem(&form);
        item->Add(sub);
        sub->SetCaption(QStringLiteral("Recent"));
        sub->SetChecked(true);
        item->Remove(sub);
        sub->SetEnabled(false); // no longer in the menu: nothing to report
        Free(sub);
        QCOMPARE(log.log, (QStringList{" rebuild", "Open rebuild", "Recent rebuild",
                                       "Recent change", "Open rebuild"}));
        log.log.clear();
        Free(menu); // freeing the menu reports nothing
        QCOMPARE(log.log, QStringList());
    }

    void subMenuImagesAreForgottenWhenFreed()
    {
        TForm form(nullptr);
        auto *menu = new TMainMenu(&form);
        auto *item = new TMenuItem(&form);
        menu->Items()->Add(item);
        auto *images = new TImageList(nullptr);
        SetOrdProp(item, GetPropInfo(item, "SubMenuImages"),
                   qint64(reinterpret_cast<std::intptr_t>(static_cast<TObject *>(images))));
        QCOMPARE(static_cast<TObject *>(item->SubMenuImages()), static_cast<TObject *>(images));
        Free(images);
        QCOMPARE(item->SubMenuImages(), nullptr);
        // And the other way round: an item freed first leaves the list alone.
        auto *more = new TImageList(nullptr);
        item->SetSubMenuImages(more);
        Free(item);
        Free(more);
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
