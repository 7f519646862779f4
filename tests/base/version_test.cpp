#include <gtest/gtest.h>

#include "frontends/cli/commands.h"

TEST(Version, TextIsTheProgramsOwn) { EXPECT_STREQ(cli::kVersionText, "Ornel Version 1.21a"); }
