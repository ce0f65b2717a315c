#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cli/JobCurveKinds.h"

// A kind the command line's table forgets can be neither built by a job nor described by
// `info`: every kind of the model has its entry, with a word of its own and a builder.
TEST(JobCurveKinds, EveryKindOfTheModelHasItsEntry)
{
    std::set<std::string> words;
    for (int n = 0; n < static_cast<int>(ECurveKind::Count); ++n) {
        const CJobCurveKind* pEntry = CJobCurveKinds::Find(static_cast<ECurveKind>(n));
        ASSERT_NE(pEntry, nullptr) << "kind " << n;
        EXPECT_TRUE(words.insert(pEntry->pszKeyword).second) << "kind " << n;
        EXPECT_NE(pEntry->makeBuilder, nullptr) << "kind " << n;
    }
    EXPECT_EQ(CJobCurveKinds::All().size(), words.size());
}
