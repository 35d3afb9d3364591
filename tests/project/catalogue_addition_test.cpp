// Adding a typed section to the catalogue: the question is asked only when
// the catalogue an addition extends holds the name, and never about a
// damaged file, which is refused and left as it is.

#include <gtest/gtest.h>

#include <string>

#include "project/catalogue_addition.h"
#include "support/catalogue_fixture.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

using testing::catalogueBytes;
using testing::profile;

class CatalogueAdditionTest : public testing::CatalogueFixture {};

TEST_F(CatalogueAdditionTest, AsksOnlyAboutANameTheCatalogueHolds) {
    const std::string installed = catalogueBytes({profile("MB 100", 1)});
    const std::string other = catalogueBytes({profile("JB 150", 2)});
    const struct {
        const char* name;
        std::string working;  // the working file's bytes
        SameNameAnswer answer;
        bool asked;
        AdditionOutcome outcome;
    } cases[] = {
        {"a new name", other, SameNameAnswer::Cancel, false, AdditionOutcome::Added},
        {"replaced", installed, SameNameAnswer::Replace, true, AdditionOutcome::Added},
        {"not added", installed, SameNameAnswer::DoNotAdd, true, AdditionOutcome::NotAdded},
        {"the installed one stands in for an empty file", "", SameNameAnswer::Cancel, true,
         AdditionOutcome::Cancelled},
        {"damaged", "damaged", SameNameAnswer::Replace, false, AdditionOutcome::Failed},
    };
    for (const auto& c : cases) {
        testing::writeFileBytes(files.installed, installed);
        testing::writeFileBytes(files.working, c.working);
        ProfileList list;
        bool asked = false;
        const CatalogueAddition added =
            addToCatalogue(list, testing::exampleSection(), files, [&](const std::string& name) {
                asked = true;
                EXPECT_EQ(name, "MB 100") << c.name;
                return c.answer;
            });
        EXPECT_EQ(asked, c.asked) << c.name;
        EXPECT_EQ(added.outcome, c.outcome) << c.name;
        EXPECT_EQ(added.failure.has_value(), c.outcome == AdditionOutcome::Failed) << c.name;
        if (c.outcome != AdditionOutcome::Added) {
            EXPECT_EQ(testing::readFileBytes(files.working), c.working) << "unchanged: " << c.name;
        }
    }
}

}  // namespace
}  // namespace rolvanta
