#include "image/cDIBSection.h"

#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

namespace {

// A surface filled with a pattern that differs in every channel, pixel and row.
void FillPattern(cDIBSection& dib)
{
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x)
            dib.SetPixel(x, y,
                uint32_t((x * 37 + y * 11) & 255) << 16 | uint32_t((x * y * 7 + 3) & 255) << 8
                    | uint32_t((255 - x * 5 - y * 3) & 255));
    }
}

// The resampling written out plainly over the memory rows of the source: two rounded steps,
// single precision, halves to even.
uint8_t ReferenceSample(const cDIBSection& s, int dw, int dh, int x, int y, int channel)
{
    const int sw = s.Width(), sh = s.Height();
    auto at = [&](int px, int py) {
        px = std::min(px, sw - 1);
        py = std::min(py, sh - 1);
        return float(s.DIBSectionBitsPtr()[py * s.BytesPerScanLine() + px * 3 + channel]);
    };
    const float rx = float(sw - 1) / float(dw), ry = float(sh - 1) / float(dh);
    const float fxFull = rx * float(x), fyFull = ry * float(y);
    const int ix = int(std::floor(fxFull)), iy = int(std::floor(fyFull));
    const float fx = fxFull - float(ix), fy = fyFull - float(iy);
    const float oneMinusFy = 1.0f - fy, oneMinusFx = 1.0f - fx;
    const float pa = oneMinusFy * at(ix, iy), pb = fy * at(ix, iy + 1);
    const float a = std::nearbyint(pa + pb);
    const float qa = oneMinusFy * at(ix + 1, iy), qb = fy * at(ix + 1, iy + 1);
    const float b = std::nearbyint(qa + qb);
    const float va = oneMinusFx * a, vb = fx * b;
    return uint8_t(std::clamp(std::nearbyint(va + vb), 0.0f, 255.0f));
}

}  // namespace

TEST(cDIBSection, ScanLinesArePaddedToFourBytes)
{
    const int expected[] = {4, 8, 12, 12, 16};
    for (int width = 1; width <= 5; ++width) {
        cDIBSection dib;
        ASSERT_TRUE(dib.Create(width, 3));
        EXPECT_EQ(dib.BytesPerScanLine(), expected[width - 1]) << width;
        EXPECT_EQ(dib.Header().sizeImage, uint32_t(expected[width - 1] * 3));
        EXPECT_EQ(dib.Header().bitCount, 24);
    }
}

TEST(cDIBSection, CreateRefusesEmptySizesAndClearUpEmpties)
{
    cDIBSection dib;
    EXPECT_FALSE(dib.Create(0, 5));
    EXPECT_FALSE(dib.Create(5, -1));
    EXPECT_FALSE(dib.Create(100000, 100000));  // beyond any shot
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    ASSERT_TRUE(dib.Create(2, 2));
    EXPECT_EQ(dib.Pixel(1, 1), 0u);  // fresh memory is black
    EXPECT_FALSE(dib.CreateDIB(-2, 2));
    EXPECT_TRUE(dib.IsEmpty());
    ASSERT_TRUE(dib.Create(2, 2));
    dib.ClearUp();
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.Resample(0, 3), nullptr);
}

TEST(cDIBSection, RowsAreStoredBottomUp)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(2, 3));
    dib.SetPixel(1, 0, 0x112233);  // top row
    const uint8_t* lastRow = dib.DIBSectionBitsPtr() + 2 * dib.BytesPerScanLine();
    EXPECT_EQ(lastRow[3], 0x33);
    EXPECT_EQ(lastRow[4], 0x22);
    EXPECT_EQ(lastRow[5], 0x11);
}

TEST(cDIBSection, BlitsCopyClippedRectangles)
{
    cDIBSection source, target;
    ASSERT_TRUE(source.Create(5, 4));
    FillPattern(source);
    ASSERT_TRUE(target.Create(3, 3));
    target.LoadPictureBlt(source, 2, 1);  // own size: 3 x 3 from (2, 1)
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(target.Pixel(x, y), source.Pixel(x + 2, y + 1));

    cDIBSection canvas;
    ASSERT_TRUE(canvas.Create(4, 4));
    source.PaintPicture(canvas, 2, -1, 3, 3, 1, 0);  // runs over the right and top edges
    EXPECT_EQ(canvas.Pixel(2, 0), source.Pixel(1, 1));
    EXPECT_EQ(canvas.Pixel(3, 1), source.Pixel(2, 2));
    EXPECT_EQ(canvas.Pixel(1, 0), 0u);
    EXPECT_EQ(canvas.Pixel(2, 2), 0u);
}

TEST(cDIBSection, ResampleToTheSameSizeCopiesThePixels)
{
    cDIBSection source;
    ASSERT_TRUE(source.Create(7, 5));
    FillPattern(source);
    const auto copy = source.Resample(7, 5);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(0, std::memcmp(copy->DIBSectionBitsPtr(), source.DIBSectionBitsPtr(), source.Header().sizeImage));
}

TEST(cDIBSection, ResampleMatchesTheTwoStepBilinearReference)
{
    const struct {
        int sw, sh, dw, dh;
    } sizes[] = {{64, 48, 16, 12}, {33, 17, 10, 7}, {160, 90, 120, 90}, {5, 5, 3, 2}, {1, 4, 3, 2}, {10, 10, 25, 13}};
    for (const auto& s : sizes) {
        cDIBSection source;
        ASSERT_TRUE(source.Create(s.sw, s.sh));
        FillPattern(source);
        const auto result = source.Resample(s.dw, s.dh);
        ASSERT_NE(result, nullptr);
        ASSERT_EQ(result->Width(), s.dw);
        int mismatches = 0;
        for (int y = 0; y < s.dh; ++y) {
            const uint8_t* row = result->DIBSectionBitsPtr() + y * result->BytesPerScanLine();
            for (int x = 0; x < s.dw; ++x)
                for (int c = 0; c < 3; ++c)
                    mismatches += row[3 * x + c] != ReferenceSample(source, s.dw, s.dh, x, y, c);
        }
        EXPECT_EQ(mismatches, 0) << s.sw << "x" << s.sh << " -> " << s.dw << "x" << s.dh;
    }
}

TEST(cDIBSection, ResampleKeepsThePictureUpright)
{
    // Top half red, bottom half blue stays that way round.
    cDIBSection source;
    ASSERT_TRUE(source.Create(40, 40));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            source.SetPixel(x, y, y < 20 ? 0xFF0000 : 0x0000FF);
    const auto small = source.Resample(8, 8);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Pixel(4, 0), 0xFF0000u);
    EXPECT_EQ(small->Pixel(4, 7), 0x0000FFu);
}

TEST(cDIBSection, ResampleRoundsHalvesToEven)
{
    // 3 x 1 to 4 x 1: rx = 0.5, so columns 1 and 3 fall halfway between two source pixels.
    cDIBSection source;
    ASSERT_TRUE(source.Create(3, 1));
    source.SetPixel(0, 0, 0x000002);
    source.SetPixel(1, 0, 0x000003);
    source.SetPixel(2, 0, 0x000006);
    const auto result = source.Resample(4, 1);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Pixel(0, 0), 0x000002u);
    EXPECT_EQ(result->Pixel(1, 0), 0x000002u);  // 2.5 -> 2
    EXPECT_EQ(result->Pixel(2, 0), 0x000003u);
    EXPECT_EQ(result->Pixel(3, 0), 0x000004u);  // 4.5 -> 4
}
