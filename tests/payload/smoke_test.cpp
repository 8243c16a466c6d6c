// The bench itself: the test executable carries the payload store and the templates.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Bench, PayloadEntriesArePresentAsTextResources)
{
    for (int id : {109, 110, 119, 120, 124, 161, 177, 192, 196, 197, 198, 199, 200, 201, 203, 228, 235, 1029})
        EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXT"), nullptr) << "entry " << id;
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(114), MAKEINTRESOURCEA(5)), nullptr);
}
