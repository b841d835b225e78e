// BMP reading: row order, padding, pixel layout, and refusal of what cannot be read.
#include <gtest/gtest.h>

#include <ostream>

#include "bmp_bytes.h"
#include "case_names.h"
#include "cli/bmp_reader.h"
#include "cli/bmp_writer.h"

namespace tavo::cli {
namespace {

using test::BmpFile;
using test::BmpImage;

const std::vector<std::uint32_t> kSix = {0x00112233, 0x00445566, 0x00778899,
                                         0x00AABBCC, 0x00DDEEFF, 0x00102030};
const std::vector<std::uint32_t> kMasks = {0x00FF0000, 0x0000FF00, 0x000000FF};

TEST(BmpReader, ReadsAHandWritten24BitBottomUpFile) {
    using namespace std::string_literals;
    const std::string file =
        "BM\x46\0\0\0\0\0\0\0\x36\0\0\0"s            // file header: 70 bytes, pixels at 54
        "\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0"s  // 40-byte header, 2 x 2, 1 plane, 24 bits
        "\0\0\0\0"s + std::string(20, '\0') +         // BI_RGB; sizes and palette unused
        "\xFF\0\0\x12\x34\x56\xEE\xEE"s +             // bottom row: blue, BGR 12 34 56, padding
        "\0\0\xFF\0\xFF\0\xEE\xEE"s;                  // top row: red, green, padding
    const Picture picture = ReadBmp(file);
    ASSERT_EQ(picture.width, 2);
    ASSERT_EQ(picture.height, 2);
    EXPECT_EQ(picture.At(0, 0), 0x000000FF);
    EXPECT_EQ(picture.At(1, 0), 0x0000FF00);
    EXPECT_EQ(picture.At(0, 1), 0x00FF0000);
    EXPECT_EQ(picture.At(1, 1), 0x00123456);
}

struct GoodCase {
    const char* name;
    BmpImage image;
};

void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

class GoodBmp : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodBmp, GivesThePixelsTopRowFirst) {
    const BmpImage& image = GetParam().image;
    const Picture picture = ReadBmp(BmpFile(image));
    EXPECT_EQ(picture.width, image.width);
    EXPECT_EQ(picture.height, image.height < 0 ? -image.height : image.height);
    EXPECT_EQ(picture.pixels, image.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GoodBmp,
    ::testing::Values(
        GoodCase{"rgb24_bottom_up_3_padding_bytes", {.width = 3, .height = 2, .pixels = kSix}},
        GoodCase{"rgb24_bottom_up_1_padding_byte", {.width = 1, .height = 6, .pixels = kSix}},
        GoodCase{"rgb24_top_down", {.width = 2, .height = -3, .pixels = kSix}},
        GoodCase{"rgb32_top_down", {.width = 3, .height = -2, .bits = 32, .pixels = kSix}},
        GoodCase{"rgb32_bottom_up", {.width = 2, .height = 3, .bits = 32, .pixels = kSix}},
        GoodCase{"bitfields32_after_info_header",
                 {.width = 3, .height = 2, .bits = 32, .compression = 3, .masks = kMasks,
                  .pixels = kSix}},
        GoodCase{"bitfields32_in_v5_header_top_down",
                 {.width = 6, .height = -1, .bits = 32, .compression = 3, .headerSize = 124,
                  .masks = kMasks, .pixels = kSix}},
        GoodCase{"rgb24_v4_header", {.width = 3, .height = 2, .headerSize = 108, .pixels = kSix}}),
    case_names::ByName{});

struct BadCase {
    const char* name;
    std::string file;
    const char* message;  // a part of the error
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

std::string Cut(std::string file, std::size_t drop) {
    file.resize(file.size() - drop);
    return file;
}

std::string WithMagic(std::string file, const char* magic) {
    file.replace(0, 2, magic);
    return file;
}

const BmpImage k24{.width = 3, .height = 2, .pixels = kSix};

std::vector<BadCase> BadCases() {
    auto with = [&](auto change) {
        BmpImage copy = k24;
        change(copy);
        return BmpFile(copy);
    };
    // No pixel data: the size alone must be refused.
    auto sized = [](std::int32_t width, std::int32_t height) {
        return BmpFile({.width = width, .height = height});
    };
    return {
        {"empty", "", "not a BMP file"},
        {"wrong_magic", WithMagic(BmpFile(k24), "MB"), "not a BMP file"},
        {"header_cut", BmpFile(k24).substr(0, 30), "truncated file: the header"},
        {"pixels_cut", Cut(BmpFile(k24), 1), "truncated file: the pixels need 24 bytes"},
        {"no_pixels", with([](BmpImage& i) { i.pixels.clear(); }), "truncated file"},
        {"core_header", with([](BmpImage& i) { i.headerSize = 12; }), "header of 12 bytes"},
        {"bits16", with([](BmpImage& i) { i.bits = 16; }), "unsupported bit depth 16"},
        {"bits8", with([](BmpImage& i) { i.bits = 8; }), "unsupported bit depth 8"},
        {"rle8", with([](BmpImage& i) { i.compression = 1; }), "unsupported compression 1"},
        {"bitfields24", with([](BmpImage& i) { i.compression = 3; i.masks = kMasks; }),
         "unsupported compression 3"},
        {"bitfields_other_masks",
         with([](BmpImage& i) {
             i.bits = 32;
             i.compression = 3;
             i.masks = {0xFF, 0xFF00, 0xFF0000};  // red and blue swapped
         }),
         "unsupported BI_BITFIELDS masks"},
        {"two_planes", with([](BmpImage& i) { i.planes = 2; }), "2 colour planes"},
        {"width_0", sized(0, 2), "absurd image size 0 x 2"},
        {"height_0", sized(3, 0), "absurd image size 3 x 0"},
        {"width_negative", sized(-3, 2), "absurd image size -3 x 2"},
        {"width_huge", sized(40000, 2), "absurd image size 40000 x 2"},
        {"height_huge", sized(3, -40000), "absurd image size 3 x -40000"},
        {"height_most_negative", sized(3, INT32_MIN), "absurd image size 3 x -2147483648"},
        {"offset_inside_header", with([](BmpImage& i) { i.offsetShift = -2; }),
         "lies inside the headers"},
        {"offset_past_end", with([](BmpImage& i) { i.offsetShift = 1000; }), "truncated file"},
    };
}

class BadBmp : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadBmp, IsRefusedWithAClearMessage) {
    try {
        ReadBmp(GetParam().file);
        FAIL() << "read without complaint";
    } catch (const BmpError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BadBmp, ::testing::ValuesIn(BadCases()), case_names::ByName{});

// What capture writes reads back as the same pixels: red and blue in their places, rows
// the right way up, and the padding of a width that is no multiple of four.
TEST(WriteBmp, ReadsBackAsTheSamePicture) {
    Picture picture(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.Set(x, y, (0x0000FFu << (8 * (x % 3))) | static_cast<std::uint32_t>(y * 40));
    EXPECT_EQ(ReadBmp(WriteBmp(picture)), picture);
}

}  // namespace
}  // namespace tavo::cli
