#pragma once
// The ski-cross tests' race: a men's race "SX" in a temporary folder.

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "racefile/header_file.h"
#include "support/test_support.h"

namespace skitally {

// Opens the race with its header written; the test appends the racers.
inline void OpenMensSkiCross(AppContext& ctx, const test::TempDir& dir)
{
    ctx.race.open = true;
    ctx.race.racePath = dir.path() + "/";
    ctx.race.raceName = "SX";
    ctx.race.header.values.discipline = "SX";
    ctx.race.header.values.gender = "M";
    ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), ctx.race.header));
}

}  // namespace skitally
