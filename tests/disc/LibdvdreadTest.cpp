// The reader against libdvdread, field by field, on every test disc.

#include "Libdvdread.h"
#include "TestDiscs.h"

#include <gtest/gtest.h>

namespace trevalo::testing {
namespace {

class Libdvdread : public ::testing::TestWithParam<std::filesystem::path> { };

TEST_P(Libdvdread, AgreesWithTheReaderOnEveryField)
{
    const disc::Disc disc = readTestDisc(GetParam());
    const std::vector<std::string> differences = disagreementsWithLibdvdread(disc, GetParam());
    for (const std::string& difference : differences)
        ADD_FAILURE() << difference;
}

INSTANTIATE_TEST_SUITE_P(TestDiscs, Libdvdread, ::testing::ValuesIn(testDiscs()), discName);

}
}
