#include "racer_view_dialog.h"

#include <gtest/gtest.h>

#include <QTableWidget>
#include <QTemporaryDir>

#include "app/app_folders.h"
#include "racefile/racer_file.h"

namespace skitally {
namespace {

TEST(RacerViewDialog, ListsLiveRacersAndSortsBibsAsNumbers)
{
    QTemporaryDir dir;
    AppContext ctx(DefaultAppFolders(dir.path().toStdString(), dir.path().toStdString()), SystemClock());
    ctx.race.open = true;
    ctx.race.racePath = dir.path().toStdString() + "/";
    ctx.race.raceName = "SL1";
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        for (const char* bib : {" 10", "  9", " 11"}) {
            RacerRecord racer;
            racer.name = std::string("RACER ") + bib;
            racer.bib = bib;
            ASSERT_TRUE(file.AppendRacer(racer));
        }
        ASSERT_TRUE(file.DeleteRacer(3));
    }
    RacerViewDialog dialog(ctx);
    QTableWidget* table = dialog.table();
    ASSERT_EQ(table->rowCount(), 2);
    table->sortItems(0);
    EXPECT_EQ(table->item(0, 0)->text(), "9");
    EXPECT_EQ(table->item(1, 0)->text(), "10");
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "NAT");
    ctx.texts.SetLanguage(kFrench);
    EXPECT_EQ(RacerViewDialog(ctx).table()->horizontalHeaderItem(0)->text(), "DOS");
}

}  // namespace
}  // namespace skitally
