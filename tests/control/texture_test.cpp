// Texture slots filled from bitmap files and uploaded from there.
#include "bmp_files.h"
#include "bmp_image.h"
#include "host_fixture.h"

#include <GL/gl.h>

using namespace testhost;
namespace hr = hosting::hr;

namespace {

std::vector<Bgr> solid(int n, Bgr c) { return std::vector<Bgr>(static_cast<size_t>(n), c); }

struct SlotInfo {
    int16_t width, height, bpp;
    friend bool operator==(const SlotInfo&, const SlotInfo&) = default;
};

SlotInfo slot(Hosted& h, Variant index)
{
    return {*h.call(ID("oauxGetTextureWidth"), {index}).get<int16_t>(),
            *h.call(ID("oauxGetTextureHeight"), {index}).get<int16_t>(),
            *h.call(ID("oauxGetTextureBpp"), {index}).get<int16_t>()};
}

// Uploads slot 0 as a 4 x 4 texture and draws it over the whole window;
// returns the centre pixel.
uint32_t drawTexture(Hosted& h, int16_t format)
{
    uint32_t centre = 0;
    h.draw([&] {
        h.call(ID("oglClearColor"), {0.0f, 0.0f, 0.0f, 1.0f});
        h.call(ID("oglClear"), {int16_t(3)});
        h.call(ID("oglMatrixMode"), {int16_t(GL_PROJECTION)});
        h.call(ID("oglLoadIdentity"));
        h.call(ID("oglMatrixMode"), {int16_t(GL_MODELVIEW)});
        h.call(ID("oglLoadIdentity"));
        h.call(ID("oglTexParameter"), {int16_t(GL_TEXTURE_2D), int16_t(GL_TEXTURE_MIN_FILTER), float(GL_NEAREST)});
        h.call(ID("oglTexParameter"), {int16_t(GL_TEXTURE_2D), int16_t(GL_TEXTURE_MAG_FILTER), float(GL_NEAREST)});
        h.call(ID("oglTexImage2D"), {int16_t(GL_TEXTURE_2D), int16_t(0), int16_t(3), int16_t(4), int16_t(4), int16_t(0),
                                     format, int16_t(GL_UNSIGNED_BYTE), Variant()});
        h.call(ID("oglEnable"), {int16_t(GL_TEXTURE_2D)});
        h.call(ID("oglColor3"), {1.0f, 1.0f, 1.0f});
        h.call(ID("oglBegin"), {int16_t(GL_QUADS)});
        for (auto [x, y] : {std::pair{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}}) {
            h.call(ID("oglTexCoord2"), {x, y});
            h.call(ID("oglVertex2"), {2 * x - 1, 2 * y - 1});
        }
        h.call(ID("oglEnd"));
        h.call(ID("oglDisable"), {int16_t(GL_TEXTURE_2D)});
        centre = pixelAt(readPixels(200, 200), 200, 100, 100);
        EXPECT_EQ(*h.call(ID("oglGetError")).get<int16_t>(), GL_NO_ERROR);
    });
    return centre;
}

} // namespace

TEST(Textures, A24BitBitmapInSlotZeroReports24BitsThroughAnEmptyIndex)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    const std::string path = writeFile(tempDir() + "/red.bmp", makeBmp(4, 4, 24, solid(16, {0, 0, 255})));
    h.call(ID("oauxRGBImageLoad"), {path, Variant()});
    EXPECT_EQ(slot(h, Variant()), (SlotInfo{4, 4, 24}));
    EXPECT_EQ(slot(h, int16_t(0)), (SlotInfo{4, 4, 24}));
    EXPECT_EQ(slot(h, int16_t(1)), (SlotInfo{0, 0, 0}));
    // The file's blue-green-red becomes red-green-blue.
    EXPECT_EQ(drawTexture(h, GL_RGB), 0xFF0000u);
}

TEST(Textures, An8BitBitmapUploadsThroughItsColourMaps)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    const std::vector<Bgr> palette = {{0, 0, 0}, {0, 255, 0}, {255, 0, 0}};
    const std::string path = writeFile(tempDir() + "/indexed.bmp", makeBmp(4, 4, 8, solid(16, {1, 0, 0}), palette, 3));
    h.call(ID("oauxRGBImageLoad"), {path, int16_t(0)});
    EXPECT_EQ(slot(h, Variant()), (SlotInfo{4, 4, 8}));
    EXPECT_EQ(drawTexture(h, GL_COLOR_INDEX), 0x00FF00u); // index 1 is green in the table
}

TEST(Textures, NotABitmapOrNoFileLeavesTheSlotEmpty)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    const std::string good = writeFile(tempDir() + "/good.bmp", makeBmp(4, 4, 24, solid(16, {1, 2, 3})));
    std::vector<uint8_t> bytes = makeBmp(4, 4, 24, solid(16, {1, 2, 3}));
    bytes[0] = 'P';
    const std::string bad = writeFile(tempDir() + "/bad.bmp", bytes);
    h.call(ID("oauxRGBImageLoad"), {good, int16_t(2)});
    ASSERT_EQ(slot(h, int16_t(2)), (SlotInfo{4, 4, 24}));
    h.call(ID("oauxRGBImageLoad"), {bad, int16_t(2)});
    EXPECT_EQ(h.site.texts(), std::vector<std::string>{"Not a bitmap file"});
    EXPECT_EQ(slot(h, int16_t(2)), (SlotInfo{0, 0, 0}));

    // A file that cannot be opened is an automation error for the caller.
    h.call(ID("oauxRGBImageLoad"), {good, int16_t(3)});
    std::vector<Variant> args{tempDir() + "/missing.bmp", int16_t(3)};
    hosting::ExceptionInfo error;
    EXPECT_EQ(h.control->invoke(ID("oauxRGBImageLoad"), hosting::InvokeKind::Method, args, nullptr, &error),
              hr::exception);
    EXPECT_NE(error.description.find("missing.bmp"), std::string::npos);
    EXPECT_EQ(slot(h, int16_t(3)), (SlotInfo{0, 0, 0}));

    // Slots outside 0..25 do not exist: nothing is loaded or reported.
    for (Variant index : {Variant(int16_t(26)), Variant(int16_t(-1)), Variant(int32_t(1 << 20)), Variant("x")}) {
        h.call(ID("oauxRGBImageLoad"), {good, index});
        EXPECT_EQ(slot(h, index), (SlotInfo{0, 0, 0}));
    }
}

TEST(Textures, BitmapRowsArePaddedAndOtherDepthsGetNoPixels)
{
    // Three pixels a row: 9 bytes padded to 12 in the file and in the converted buffer.
    const std::vector<Bgr> px = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}};
    vistrel::BmpImage image;
    ASSERT_EQ(vistrel::parseBmp(makeBmp(3, 2, 24, px), image), vistrel::BmpStatus::Ok);
    ASSERT_EQ(image.pixels.size(), 24u);
    EXPECT_EQ((std::vector<uint8_t>(image.pixels.begin() + 12, image.pixels.begin() + 15)),
              (std::vector<uint8_t>{12, 11, 10}));
    EXPECT_EQ(image.pixels[9], 0);

    // 16 bits: recorded, no pixels. Truncated 24 bits: recorded, no pixels.
    std::vector<uint8_t> sixteen = makeBmp(4, 1, 24, solid(4, {0, 0, 0}));
    sixteen[14 + 14] = 16;
    ASSERT_EQ(vistrel::parseBmp(sixteen, image), vistrel::BmpStatus::Ok);
    EXPECT_EQ(image.bitsPerPixel, 16);
    EXPECT_TRUE(image.pixels.empty());
    std::vector<uint8_t> cut = makeBmp(8, 8, 24, solid(64, {0, 0, 0}));
    cut.resize(cut.size() - 5);
    ASSERT_EQ(vistrel::parseBmp(cut, image), vistrel::BmpStatus::Ok);
    EXPECT_EQ(image.width, 8);
    EXPECT_TRUE(image.pixels.empty());
    // A header too short to hold its fields is not a bitmap.
    EXPECT_EQ(vistrel::parseBmp(std::vector<uint8_t>{'B', 'M', 0, 0}, image), vistrel::BmpStatus::NotABitmap);
}
