// Building and releasing the glyph atlas against real GDI, with bitmap or DC creation
// made to fail on a chosen call to show what a partial build leaves and what release frees.
#include <gtest/gtest.h>
#include <vector>
#include "glyph/glyph_atlas.h"
#include "glyph_test_support.h"

namespace {

int g_bitmapCalls, g_dcCalls;
int g_failBitmapAt, g_failDcAt;  // 1-based call that returns null; 0 never

HBITMAP WINAPI FailingCreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                                   const void* bits)
{
    if (++g_bitmapCalls == g_failBitmapAt)
        return nullptr;
    return CreateBitmap(width, height, planes, bitsPerPixel, bits);
}

HDC WINAPI FailingCreateCompatibleDc(HDC reference)
{
    if (++g_dcCalls == g_failDcAt)
        return nullptr;
    return CreateCompatibleDC(reference);
}

class GlyphAtlasBuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = g_glyphGdi;
        g_glyphGdi.createBitmap = FailingCreateBitmap;
        g_glyphGdi.createCompatibleDc = FailingCreateCompatibleDc;
        g_bitmapCalls = g_dcCalls = g_failBitmapAt = g_failDcAt = 0;
        font_ = MakePatternFont();
    }
    void TearDown() override
    {
        ReleaseGlyphAtlas();
        g_glyphGdi = saved_;
    }
    static bool SheetIsEmpty(int k)
    {
        const GlyphSheet& s = g_glyphAtlas.sheets[k];
        return !s.bitmap && !s.memoryDc && !s.previousBitmap;
    }
    GlyphGdi saved_;
    std::vector<unsigned char> font_;
};

}  // namespace

TEST_F(GlyphAtlasBuild, FullBuildSelectsEachSheetIntoItsOwnDc)
{
    ASSERT_TRUE(BuildGlyphAtlas(font_.data()));
    EXPECT_EQ(4, g_bitmapCalls);
    EXPECT_EQ(4, g_dcCalls);
    GlyphSheet sheets[kGlyphSheetCount];
    for (int k = 0; k < kGlyphSheetCount; k++) {
        sheets[k] = g_glyphAtlas.sheets[k];
        const GlyphSheet& s = sheets[k];
        EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(s.bitmap)) << "sheet " << k;
        EXPECT_EQ((DWORD)OBJ_MEMDC, GetObjectType(s.memoryDc)) << "sheet " << k;
        EXPECT_EQ((HGDIOBJ)s.bitmap, GetCurrentObject(s.memoryDc, OBJ_BITMAP)) << "sheet " << k;
        EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(s.previousBitmap)) << "sheet " << k;
        BITMAP info = {};
        ASSERT_EQ((int)sizeof(info), GetObjectA(s.bitmap, sizeof(info), &info)) << "sheet " << k;
        EXPECT_EQ(512, info.bmWidth) << "sheet " << k;
        EXPECT_EQ(944, info.bmHeight) << "sheet " << k;
        EXPECT_EQ(1, info.bmBitsPixel) << "sheet " << k;
        EXPECT_EQ(1, info.bmPlanes) << "sheet " << k;
    }
    // Each sheet holds its own 60,416 bytes of the font.
    std::vector<unsigned char> bits(kGlyphSheetBytes);
    for (int k = 0; k < kGlyphSheetCount; k++) {
        ASSERT_EQ((LONG)kGlyphSheetBytes, GetBitmapBits(sheets[k].bitmap, kGlyphSheetBytes, bits.data()))
            << "sheet " << k;
        EXPECT_TRUE(0 == memcmp(bits.data(), font_.data() + kGlyphSheetBytes * k, kGlyphSheetBytes))
            << "sheet " << k;
    }

    ReleaseGlyphAtlas();
    for (int k = 0; k < kGlyphSheetCount; k++) {
        EXPECT_EQ(0u, GetObjectType(sheets[k].bitmap)) << "sheet " << k;
        EXPECT_EQ(0u, GetObjectType(sheets[k].memoryDc)) << "sheet " << k;
        EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(sheets[k].previousBitmap)) << "sheet " << k;
        EXPECT_TRUE(SheetIsEmpty(k)) << "sheet " << k;
    }
}

TEST_F(GlyphAtlasBuild, ThirdBitmapFailingLeavesTwoSheetsThatReleaseFrees)
{
    g_failBitmapAt = 3;
    EXPECT_FALSE(BuildGlyphAtlas(font_.data()));
    EXPECT_EQ(3, g_bitmapCalls);
    EXPECT_EQ(2, g_dcCalls);
    GlyphSheet built[2] = {g_glyphAtlas.sheets[0], g_glyphAtlas.sheets[1]};
    for (int k = 0; k < 2; k++) {
        EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(built[k].bitmap)) << "sheet " << k;
        EXPECT_EQ((DWORD)OBJ_MEMDC, GetObjectType(built[k].memoryDc)) << "sheet " << k;
        EXPECT_EQ((HGDIOBJ)built[k].bitmap, GetCurrentObject(built[k].memoryDc, OBJ_BITMAP)) << "sheet " << k;
    }
    EXPECT_TRUE(SheetIsEmpty(2));
    EXPECT_TRUE(SheetIsEmpty(3));

    ReleaseGlyphAtlas();
    for (int k = 0; k < 2; k++) {
        EXPECT_EQ(0u, GetObjectType(built[k].memoryDc)) << "sheet " << k;
        EXPECT_EQ(0u, GetObjectType(built[k].bitmap)) << "sheet " << k;
        EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(built[k].previousBitmap)) << "sheet " << k;
    }
    for (int k = 0; k < kGlyphSheetCount; k++)
        EXPECT_TRUE(SheetIsEmpty(k)) << "sheet " << k;
}

TEST_F(GlyphAtlasBuild, FirstDcFailingLeavesOnlyTheFirstBitmap)
{
    g_failDcAt = 1;
    EXPECT_FALSE(BuildGlyphAtlas(font_.data()));
    EXPECT_EQ(1, g_bitmapCalls);
    EXPECT_EQ(1, g_dcCalls);
    HBITMAP bitmap = g_glyphAtlas.sheets[0].bitmap;
    EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(bitmap));
    EXPECT_EQ(nullptr, g_glyphAtlas.sheets[0].memoryDc);
    EXPECT_EQ(nullptr, g_glyphAtlas.sheets[0].previousBitmap);
    for (int k = 1; k < kGlyphSheetCount; k++)
        EXPECT_TRUE(SheetIsEmpty(k)) << "sheet " << k;

    ReleaseGlyphAtlas();
    EXPECT_EQ(0u, GetObjectType(bitmap));
    EXPECT_TRUE(SheetIsEmpty(0));
}

TEST_F(GlyphAtlasBuild, ReleaseWithoutBuildOrTwiceTouchesNothing)
{
    // A bitmap and a DC that are not the atlas's must outlive every release below.
    HBITMAP bystanderBitmap = CreateBitmap(16, 16, 1, 1, nullptr);
    HDC bystanderDc = CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, bystanderBitmap);
    ASSERT_NE(nullptr, bystanderDc);

    ReleaseGlyphAtlas();
    for (int k = 0; k < kGlyphSheetCount; k++)
        EXPECT_TRUE(SheetIsEmpty(k)) << "sheet " << k;

    ASSERT_TRUE(BuildGlyphAtlas(font_.data()));
    ReleaseGlyphAtlas();
    ReleaseGlyphAtlas();
    for (int k = 0; k < kGlyphSheetCount; k++)
        EXPECT_TRUE(SheetIsEmpty(k)) << "sheet " << k;

    EXPECT_FALSE(BuildGlyphAtlas(nullptr));
    EXPECT_EQ(4, g_bitmapCalls) << "no sheet is attempted without a font";

    EXPECT_EQ((DWORD)OBJ_BITMAP, GetObjectType(bystanderBitmap));
    EXPECT_EQ((DWORD)OBJ_MEMDC, GetObjectType(bystanderDc));
    DeleteDC(bystanderDc);
    DeleteObject(bystanderBitmap);
}
