#include "dialogs/WorldHolidaysDialog.h"

#include "dialogs/DialogTestSupport.h"
#include "dialogs/HolidayListDialog.h"
#include "holidays/HolidayEditing.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace morvessa {
namespace {

class WorldHolidaysDialogTest : public test::DialogTest {};

TEST_F(WorldHolidaysDialogTest, SearchAPlaceSeeItsYearAndKeepTheChoice)
{
    ProgramHolidayUndo().Clear();
    WorldHolidaysDialog dialog(2026);
    dialog.Search(QStringLiteral("germ"));
    auto* countries = dialog.findChild<QListWidget*>(QStringLiteral("Countries"));
    int shown = 0;
    for (int row = 0; row < countries->count(); ++row)
        shown += countries->item(row)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);

    ASSERT_TRUE(dialog.SelectPlace(QStringLiteral("de-by")));
    EXPECT_TRUE(dialog.Preview().join(u'\n').contains(QStringLiteral("\tEpiphany"))) << dialog.Preview().join(u'\n').toStdString();
    EXPECT_FALSE(dialog.Preview().join(u'\n').contains(QStringLiteral("Mother's Day")));
    dialog.SetKinds({QStringLiteral("public"), QStringLiteral("observance")});
    EXPECT_TRUE(dialog.Preview().join(u'\n').contains(QStringLiteral("Mother's Day")));
    EXPECT_EQ(dialog.Source(), (world::WorldSource{QStringLiteral("DE-BY"),
                                                   {QStringLiteral("public"), QStringLiteral("observance")}, {}, {}}));
    // An unticked holiday stays left out in other years, and the source keeps it hidden.
    dialog.SetShown(QStringLiteral("Mother's Day"), false);
    dialog.findChild<QSpinBox*>(QStringLiteral("Year"))->setValue(2027);
    auto* preview = dialog.findChild<QListWidget*>(QStringLiteral("Preview"));
    for (int row = 0; row < preview->count(); ++row)
        EXPECT_EQ(preview->item(row)->checkState() == Qt::Checked,
                  !preview->item(row)->text().endsWith(QStringLiteral("Mother's Day")));
    ASSERT_EQ(dialog.Source().hiddenRules.size(), 1);
    EXPECT_TRUE(dialog.Source().hiddenRules[0].contains(QStringLiteral("May"))) << dialog.Source().hiddenRules[0].toStdString();
    EXPECT_FALSE(dialog.SelectPlace(QStringLiteral("DE-XX")));
    ASSERT_TRUE(dialog.SelectPlace(QStringLiteral("DE-BE")));
    EXPECT_TRUE(dialog.Source().hiddenRules.isEmpty());  // another place: nothing left out

    dialog.SetKinds({});
    EXPECT_FALSE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());

    EXPECT_EQ(AddWorldHolidaySource({QStringLiteral("GB-SCT"), {QStringLiteral("public")}, {}, {}}),
              QStringLiteral("Added the holidays of Scotland, United Kingdom."));
    ASSERT_EQ(world::StoredWorldSources().size(), 1u);
    EXPECT_EQ(world::StoredWorldSources()[0].code, QStringLiteral("GB-SCT"));
    // The same choice again adds nothing; another is one more step for Undo.
    EXPECT_EQ(AddWorldHolidaySource({QStringLiteral("gb-sct"), {QStringLiteral("public")}, {}, {}}),
              QStringLiteral("The holidays of Scotland, United Kingdom are there already."));
    AddWorldHolidaySource({QStringLiteral("GB-SCT"), {QStringLiteral("public"), QStringLiteral("bank")}, {}, {}});
    EXPECT_EQ(world::StoredWorldSources().size(), 2u);
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    ASSERT_EQ(world::StoredWorldSources().size(), 1u);
    EXPECT_EQ(world::StoredWorldSources()[0].kinds, QStringList{QStringLiteral("public")});
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    EXPECT_TRUE(world::StoredWorldSources().empty());
    EXPECT_FALSE(ProgramHolidayUndo().CanUndo());
    EXPECT_THROW(AddWorldHolidaySource({QStringLiteral("XX"), {QStringLiteral("public")}, {}, {}}), std::exception);
    EXPECT_FALSE(ProgramHolidayUndo().CanUndo());
}

// A country's holidays, chosen at a first start or added later, are taken out in the Holidays list.
TEST_F(WorldHolidaysDialogTest, TheHolidaysListTakesACountryOutAndUndoPutsItBack)
{
    ProgramHolidayUndo().Clear();
    AddWorldHolidaySource({QStringLiteral("DE"), {QStringLiteral("public")}, {}, {}});
    AddWorldHolidaySource({QStringLiteral("GB-SCT"), {QStringLiteral("public"), QStringLiteral("bank")}, {}, {}});
    HolidayListDialog list;
    std::vector<QString> messages;
    list.showMessage = [&](const QString& text) { messages.push_back(text); };
    const int first = list.List()->count() - 2;
    EXPECT_EQ(list.List()->item(first)->text().toStdString(), "Country: Germany - Public");
    EXPECT_EQ(list.List()->item(first + 1)->text().toStdString(), "Country: Scotland, United Kingdom - Public, Bank");
    list.List()->setCurrentRow(first);
    EXPECT_FALSE(list.findChild<QPushButton*>(QStringLiteral("Edit"))->isEnabled());
    list.EditSelected();  // nothing to edit: the days are the data's
    list.DeleteSelected();
    ASSERT_EQ(world::StoredWorldSources().size(), 1u);
    EXPECT_EQ(world::StoredWorldSources()[0].code, QStringLiteral("GB-SCT"));
    EXPECT_EQ(list.List()->count(), first + 1);
    ASSERT_TRUE(ProgramHolidayUndo().Undo());
    ASSERT_EQ(world::StoredWorldSources().size(), 2u);
    EXPECT_EQ(world::StoredWorldSources()[0].code, QStringLiteral("DE"));  // back in its place
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace morvessa
