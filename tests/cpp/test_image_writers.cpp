// Image writers of the raster devices, checked with independent readers:
// pngcheck, tiffinfo, the giflib tools and Pillow.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <zlib.h>

#include "device/drivers/raster/image_writers.h"

namespace {

using vtx::RasterPicture;
using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

// A picture with its own pixels and a palette whose 256 colours all differ.
struct TestPicture {
    Bytes pixels;
    RasterPicture raster;

    TestPicture(int width, int height, int bytesPerPixel) {
        raster.width = width;
        raster.height = height;
        raster.bytesPerPixel = bytesPerPixel;
        raster.stride = (std::size_t(width) * bytesPerPixel + 3) & ~std::size_t(3);
        pixels.assign(raster.stride * height, 0);
        raster.pixels = pixels.data();
        for (int i = 0; i < 256; ++i) {
            raster.palette[i][0] = static_cast<unsigned char>(i);
            raster.palette[i][1] = static_cast<unsigned char>(255 - i);
            raster.palette[i][2] = static_cast<unsigned char>(i * 37);
        }
    }

    void set(int x, int y, int index) {
        unsigned char* p = pixels.data() + y * raster.stride + x * raster.bytesPerPixel;
        if (raster.bytesPerPixel == 1)
            *p = static_cast<unsigned char>(index);
        else
            for (int c = 0; c < 3; ++c) p[c] = raster.palette[index][c];
    }

    void fill(int x1, int y1, int x2, int y2, int index) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) set(x, y, index);
    }

    Bytes expectedRgb() const {
        Bytes rgb;
        for (int y = 0; y < raster.height; ++y) {
            const unsigned char* row = raster.row(y);
            for (int x = 0; x < raster.width; ++x) {
                const unsigned char* c = raster.bytesPerPixel == 1 ? raster.palette[row[x]] : row + 3 * x;
                rgb.insert(rgb.end(), c, c + 3);
            }
        }
        return rgb;
    }
};

// Lines and filled blocks in many colours; every index stays below `colours`.
TestPicture drawing(int bytesPerPixel, int colours = 256) {
    TestPicture picture(97, 61, bytesPerPixel);
    picture.fill(0, 0, 96, 60, 0);  // RGB zeros are no palette colour
    for (int i = 0; i < 24; ++i)
        picture.fill((i * 13) % 90, (i * 7) % 55, (i * 13) % 90 + 6, (i * 7) % 55 + 5, (i * 11 + 3) % colours);
    for (int x = 0; x < 97; ++x) {
        picture.set(x, (x * 60) / 96, (x + 1) % colours);  // diagonal
        picture.set(x, 30, 1);                              // horizontal
    }
    for (int y = 0; y < 61; ++y) picture.set(48, y, colours - 1);  // vertical
    return picture;
}

TestPicture noise(int width, int height, unsigned seed, int bytesPerPixel = 1) {
    TestPicture picture(width, height, bytesPerPixel);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            picture.set(x, y, int(seed >> 16) & 0xFF);
        }
    return picture;
}

struct ToolRun {
    int exitCode;
    std::string output;
};

ToolRun runTool(const std::string& command) {
    ToolRun result{-1, {}};
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) result.output.append(chunk, n);
    int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned le16(const Bytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
unsigned long le32(const Bytes& b, std::size_t at) { return le16(b, at) | (unsigned long)le16(b, at + 2) << 16; }
unsigned long be32(const Bytes& b, std::size_t at) {
    return (unsigned long)b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

// PNG chunks in file order: type and data.
std::vector<std::pair<std::string, Bytes>> pngChunks(const Bytes& png) {
    std::vector<std::pair<std::string, Bytes>> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        std::size_t length = be32(png, at);
        chunks.emplace_back(std::string(png.begin() + at + 4, png.begin() + at + 8),
                            Bytes(png.begin() + at + 8, png.begin() + at + 8 + length));
        at += 12 + length;
    }
    return chunks;
}

class ImageWriters : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vantix_images_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const TestPicture& picture, const std::string& name, vtx::ImageFileFormat format) {
        std::string path = (dir_ / name).string();
        EXPECT_EQ(vtx::writeImageFile(picture.raster, path.c_str(), format), vtx::kImageOk) << name;
        return path;
    }

    // Decodes every file with Pillow in one process; returns the files whose
    // RGB pixels differ from the expected ones.
    std::string pillowMismatches(const std::vector<std::pair<std::string, Bytes>>& files) {
        std::ofstream(dir_ / "compare.py") <<
            "import sys\nfrom PIL import Image\n"
            "for path in sys.argv[1:]:\n"
            "    im = Image.open(path)\n"
            "    if im.convert('RGB').tobytes() != open(path + '.rgb', 'rb').read():\n"
            "        print('mismatch', path, im.mode, im.size)\n";
        std::string command = "/usr/bin/python3 " + (dir_ / "compare.py").string();
        for (const auto& [path, rgb] : files) {
            std::ofstream(path + ".rgb", std::ios::binary).write(reinterpret_cast<const char*>(rgb.data()), rgb.size());
            command += " " + path;
        }
        ToolRun r = runTool(command);
        return r.exitCode == 0 ? r.output : "python failed: " + r.output;
    }

    fs::path dir_;
};

TEST_F(ImageWriters, OnePixelPictureInEveryFormatIsReadable) {
    for (int bpp : {1, 3}) {
        TestPicture picture(1, 1, bpp);
        picture.set(0, 0, 200);
        std::string tag = bpp == 1 ? "index" : "rgb";
        std::string png = write(picture, tag + ".png", vtx::kImagePng);
        std::string gif = write(picture, tag + ".gif", vtx::kImageGif);
        std::string bmp = write(picture, tag + ".bmp", vtx::kImageBmp);
        std::string tif = write(picture, tag + ".tif", vtx::kImageTiff);
        std::string ppm = write(picture, tag + ".ppm", vtx::kImagePpm);
        std::string raw = write(picture, tag + ".raw", vtx::kImageRaw);

        EXPECT_EQ(runTool("pngcheck " + png).exitCode, 0);
        EXPECT_EQ(runTool("giftext " + gif).exitCode, 0);
        ToolRun info = runTool("tiffinfo " + tif);
        EXPECT_EQ(info.exitCode, 0);
        EXPECT_EQ(info.output.find("rror"), std::string::npos) << info.output;
        EXPECT_EQ(info.output.find("arning"), std::string::npos) << info.output;

        // One pixel still fills a 4-byte BMP row.
        EXPECT_EQ(fs::file_size(bmp), 54u + (bpp == 1 ? 4 * 256 : 0) + 4);
        EXPECT_EQ(fs::file_size(raw), 80u + 4);
        Bytes rgb = picture.expectedRgb();
        EXPECT_EQ(pillowMismatches({{png, rgb}, {gif, rgb}, {bmp, rgb}, {tif, rgb}, {ppm, rgb}}), "");
    }
}

TEST_F(ImageWriters, SmallColourTableListsNineColours) {
    TestPicture picture = drawing(1, 9);
    picture.raster.paletteEntries = 9;
    Bytes png = readFile(write(picture, "small.png", vtx::kImagePng));
    Bytes bmp = readFile(write(picture, "small.bmp", vtx::kImageBmp));

    auto chunks = pngChunks(png);
    ASSERT_GE(chunks.size(), 2u);
    EXPECT_EQ(chunks[1].first, "PLTE");
    EXPECT_EQ(chunks[1].second.size(), 27u);
    EXPECT_EQ(le32(bmp, 10), 54u + 36);  // pixel data offset
    EXPECT_EQ(le32(bmp, 46), 9u);        // colours used
    EXPECT_EQ(le32(bmp, 50), 9u);        // colours important
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(runTool("pngcheck " + (dir_ / "small.png").string()).exitCode, 0);
}

TEST_F(ImageWriters, BmpHeaderPaddingAndRowOrder) {
    for (unsigned long bpp : {1, 3}) {
        TestPicture picture(5, 2, int(bpp));  // 5 or 15 bytes per row, padded to 8 or 16
        picture.fill(0, 1, 4, 1, 7);          // the bottom row comes first
        picture.set(4, 0, 9);
        Bytes bmp = readFile(write(picture, "pad.bmp", vtx::kImageBmp));
        const unsigned long stride = bpp == 1 ? 8 : 16, colours = bpp == 1 ? 256 : 0;
        const unsigned long offset = 54 + 4 * colours;
        ASSERT_EQ(bmp.size(), offset + 2 * stride);
        const unsigned long fields[][3] = {  // offset, size, value
            {2, 4, bmp.size()}, {6, 4, 0}, {10, 4, offset}, {14, 4, 40}, {18, 4, 5}, {22, 4, 2},
            {26, 2, 1}, {28, 2, 8 * bpp}, {30, 4, 0}, {34, 4, 2 * stride}, {38, 4, 2500},
            {42, 4, 2500}, {46, 4, colours}, {50, 4, colours}};
        for (const auto& [at, size, value] : fields)
            EXPECT_EQ(size == 2 ? le16(bmp, at) : le32(bmp, at), value) << "offset " << at;

        // Blue comes first in palette entries and in RGB pixels.
        EXPECT_EQ(bmp[offset], bpp == 1 ? 7 : picture.raster.palette[7][2]);
        EXPECT_EQ(bmp[offset + stride + 4 * bpp], bpp == 1 ? 9 : picture.raster.palette[9][2]);
        if (bpp == 1) {
            EXPECT_EQ(bmp[54 + 4 * 9], picture.raster.palette[9][2]);
        }
        for (unsigned long pad = 5 * bpp; pad < stride; ++pad)
            EXPECT_EQ(bmp[offset + pad] | bmp[offset + stride + pad], 0);
    }
}

TEST_F(ImageWriters, TransparentBackgroundInPngAndGif) {
    for (int bpp : {1, 3}) {
        TestPicture picture = drawing(bpp);
        picture.raster.options.pngTransparent = true;
        std::string path = write(picture, "transparent.png", vtx::kImagePng);
        auto chunks = pngChunks(readFile(path));
        ASSERT_EQ(chunks.size(), bpp == 1 ? 5u : 4u);
        EXPECT_EQ(chunks[bpp == 1 ? 2 : 1].first, "tRNS");
        const Bytes alpha = bpp == 1 ? Bytes{0} : Bytes{0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
        EXPECT_EQ(chunks[bpp == 1 ? 2 : 1].second, alpha);
        EXPECT_EQ(runTool("pngcheck " + path).exitCode, 0);
        ToolRun info = runTool("/usr/bin/python3 -c \"from PIL import Image; print(Image.open('" + path +
                               "').info.get('transparency'))\"");
        EXPECT_EQ(info.output, bpp == 1 ? "0\n" : "(255, 255, 255)\n");
    }

    TestPicture picture = drawing(1);
    picture.raster.backgroundIndex = 5;
    Bytes plain = readFile(write(picture, "plain.gif", vtx::kImageGif));
    picture.raster.options.gifTransparent = true;
    std::string path = write(picture, "transparent.gif", vtx::kImageGif);
    Bytes gif = readFile(path);
    EXPECT_EQ(std::string(plain.begin(), plain.begin() + 6), "GIF87a");
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");
    EXPECT_EQ(gif[11], 5);  // screen background
    EXPECT_NE(runTool("giftext " + path).output.find("Transparent Index: 5"), std::string::npos);
    EXPECT_EQ(gif.size(), plain.size() + 8);
}

TEST_F(ImageWriters, GifLzwClearsAFullTableAndStillDecodes) {
    TestPicture picture = noise(120, 90, 7);
    std::string path = write(picture, "noise.gif", vtx::kImageGif);
    // giftext -z lists the LZW codes; 100 (hexadecimal) is the clear code.
    ToolRun codes = runTool("giftext -z " + path + " | awk -F': ' '/^[0-9a-f]+: /{n=split($2,a,\" \");"
                    "for(i=1;i<=n;i++) if(a[i]==\"100\") c++} END{print c}'");
    EXPECT_GE(std::atoi(codes.output.c_str()), 3) << "the first clear and at least two restarts";
    std::string rgb = (dir_ / "noise.rgb").string();
    ASSERT_EQ(runTool("gif2rgb -1 -o " + rgb + " " + path).exitCode, 0);  // giflib's decoder
    EXPECT_EQ(readFile(rgb), picture.expectedRgb());
    EXPECT_EQ(pillowMismatches({{path, picture.expectedRgb()}}), "");
}

// Decoders widen the code after learning 2^width strings; an encoder one code
// early (the rule in the original description) breaks at every width step,
// including the end code right after a step.
TEST_F(ImageWriters, GifCodeWidthStepsWhereDecodersExpectThem) {
    std::vector<std::pair<std::string, Bytes>> files;
    int count = 0;
    auto add = [&](const TestPicture& picture) {
        files.emplace_back(write(picture, "w" + std::to_string(count++) + ".gif", vtx::kImageGif),
                           picture.expectedRgb());
    };
    // Steps of 1 for 256 pixels, then of 3, 5, ...: no pixel pair repeats, so
    // n pixels define exactly n − 1 strings and the widths step at n = 255,
    // 767 and 1791; the table is full at n = 3838.
    for (int width : {254, 255, 256, 766, 767, 768, 1790, 1791, 1792, 3837, 3838, 3839, 3840}) {
        TestPicture steps(width, 1, 1);
        for (int x = 0, value = 0; x < width; value = (value + 2 * (x / 256) + 1) & 0xFF, ++x)
            steps.set(x, 0, value);
        add(steps);
    }
    for (int size : {17, 45, 64, 71, 150}) add(noise(size, size + 3, unsigned(size)));
    EXPECT_EQ(pillowMismatches(files), "");
}

// Incompressible pictures of about 1 MB: the PNG data outgrow several
// allocation steps and every file is drained to disk in several pieces.
TEST_F(ImageWriters, LargePicturesSurviveBufferGrowth) {
    std::vector<std::pair<std::string, Bytes>> files;
    for (int bpp : {1, 3}) {
        TestPicture picture = noise(700, 500, 99u + unsigned(bpp), bpp);
        for (auto [format, name] : {std::pair{vtx::kImagePng, "large.png"}, {vtx::kImageGif, "large.gif"},
                                    {vtx::kImageBmp, "large.bmp"}, {vtx::kImageTiff, "large.tif"}})
            files.emplace_back(write(picture, std::to_string(bpp) + name, format), picture.expectedRgb());
    }
    EXPECT_EQ(runTool("pngcheck " + files[4].first).exitCode, 0);
    EXPECT_EQ(pillowMismatches(files), "");
}

TEST_F(ImageWriters, TiffRgbModeHasTenEntriesAndThreeSamples) {
    TestPicture picture = drawing(3);
    std::string path = write(picture, "rgb.tif", vtx::kImageTiff);
    Bytes tif = readFile(path);
    ASSERT_EQ(le32(tif, 4), 8u);
    ASSERT_EQ(le16(tif, 8), 10u);
    EXPECT_EQ(tif.size(), 14 + 12 * 10 + 6 * 61 + 16 + 6 + 61 * 97 * 3u);
    ToolRun dump = runTool("tiffdump " + path);
    EXPECT_NE(dump.output.find("BitsPerSample (258) SHORT (3) 3<8 8 8>"), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("Photometric (262) SHORT (3) 1<2>"), std::string::npos) << dump.output;
    ToolRun info = runTool("tiffinfo " + path);
    EXPECT_EQ(info.output.find("arning"), std::string::npos) << info.output;
}

TEST_F(ImageWriters, TiffIndexModeHasColourMapAndResolution) {
    TestPicture picture = drawing(1);
    picture.raster.options.tiffResolution = 300;
    picture.raster.options.tiffResolutionUnit = 3;
    std::string path = write(picture, "index.tif", vtx::kImageTiff);
    Bytes tif = readFile(path);
    ASSERT_EQ(le16(tif, 8), 14u);
    const std::size_t firstStrip = 14 + 12 * 14 + 6 * 61 + 16 + 1536;
    EXPECT_EQ(le32(tif, 14 + 12 * 14), firstStrip);
    EXPECT_EQ(tif.size(), firstStrip + 61 * 97);
    ToolRun info = runTool("tiffinfo " + path);
    EXPECT_NE(info.output.find("Resolution: 300, 300 pixels/cm"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("palette color"), std::string::npos) << info.output;

    // TIFF readers take values of at most four bytes from the field itself, so
    // the two 16-bit byte counts of a two-row picture must be held there.
    TestPicture twoRows(3, 2, 1);
    twoRows.fill(0, 1, 2, 1, 40);
    std::string small = write(twoRows, "two.tif", vtx::kImageTiff);
    EXPECT_NE(runTool("tiffdump " + small).output.find("StripByteCounts (279) SHORT (3) 2<3 3>"),
              std::string::npos);
    EXPECT_EQ(pillowMismatches({{path, picture.expectedRgb()}, {small, twoRows.expectedRgb()}}), "");
}

// One zlib stream at the default level, of rows each led by filter byte 0.
TEST_F(ImageWriters, PngImageDataIsOneDefaultDeflateOfUnfilteredRows) {
    TestPicture picture = drawing(3);
    auto chunks = pngChunks(readFile(write(picture, "rows.png", vtx::kImagePng)));
    ASSERT_EQ(chunks.size(), 3u);
    const Bytes& idat = chunks[1].second;
    Bytes raw(61 * (1 + 97 * 3));
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, idat.data(), idat.size()), Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    for (std::size_t row = 0; row < 61; ++row) EXPECT_EQ(raw[row * (1 + 97 * 3)], 0);
    Bytes again(compressBound(rawSize));
    uLongf againSize = again.size();
    ASSERT_EQ(compress(again.data(), &againSize, raw.data(), rawSize), Z_OK);
    again.resize(againSize);
    EXPECT_EQ(again, idat);
}

TEST_F(ImageWriters, PngInMemoryMeasuresAndRefusesASmallBuffer) {
    TestPicture picture = drawing(1);
    Bytes file = readFile(write(picture, "memory.png", vtx::kImagePng));
    std::size_t size = 0;
    ASSERT_EQ(vtx::writePngToMemory(picture.raster, nullptr, 0, size), vtx::kImageOk);
    EXPECT_EQ(size, file.size());

    Bytes buffer(size);
    EXPECT_EQ(vtx::writePngToMemory(picture.raster, buffer.data(), size - 1, size), vtx::kImageBufferTooSmall);
    EXPECT_EQ(size, file.size());
    ASSERT_EQ(vtx::writePngToMemory(picture.raster, buffer.data(), buffer.size(), size), vtx::kImageOk);
    EXPECT_EQ(buffer, file);
}

TEST_F(ImageWriters, DrawingGivesTheSamePixelsInEveryFormat) {
    std::vector<std::pair<std::string, Bytes>> files;
    for (int bpp : {1, 3}) {
        TestPicture picture = drawing(bpp);
        const std::string tag = bpp == 1 ? "index" : "rgb";
        for (auto [format, suffix] : {std::pair{vtx::kImagePng, ".png"}, {vtx::kImageBmp, ".bmp"},
                                      {vtx::kImageTiff, ".tif"}, {vtx::kImagePpm, ".ppm"},
                                      {vtx::kImageGif, ".gif"}})
            files.emplace_back(write(picture, tag + suffix, format), picture.expectedRgb());
        EXPECT_EQ(runTool("pngcheck -v " + files[files.size() - 5].first).exitCode, 0);

        Bytes raw = readFile(write(picture, tag + ".raw", vtx::kImageRaw));
        ASSERT_EQ(raw.size(), 80 + picture.pixels.size());
        char header[81];
        std::snprintf(header, sizeof header, "!Bitmap VANTIX VIRT %5d %5d %5d %5d %5d %5d %5d %5d %5d       ",
                      97, 61, 8, int(picture.raster.stride), 8 * bpp, 32, 0, 1, 0);
        EXPECT_EQ(std::string(raw.begin(), raw.begin() + 80), header);
        EXPECT_TRUE(std::equal(picture.pixels.begin(), picture.pixels.end(), raw.begin() + 80));
    }
    EXPECT_EQ(pillowMismatches(files), "");
}

TEST_F(ImageWriters, ReportsUnopenableFilesAndUnusablePictures) {
    TestPicture picture(4, 4, 1);
    EXPECT_EQ(vtx::writeImageFile(picture.raster, (dir_ / "missing" / "x.png").c_str(), vtx::kImagePng),
              vtx::kImageCannotOpen);
    picture.raster.pixels = nullptr;
    EXPECT_EQ(vtx::writeImageFile(picture.raster, (dir_ / "x.png").c_str(), vtx::kImagePng),
              vtx::kImageBadPicture);
    EXPECT_FALSE(fs::exists(dir_ / "x.png"));
}

TEST_F(ImageWriters, RefusesSizesTheHeaderCannotHold) {
    // The size check comes before any pixel is read, so a described size
    // larger than the buffer behind it is never touched.
    TestPicture picture(1, 1, 3);
    picture.raster.width = 70000;
    picture.raster.height = 70000;
    picture.raster.stride = 3 * 70000;
    for (auto format : {vtx::kImageGif, vtx::kImageBmp, vtx::kImageTiff}) {
        const fs::path path = dir_ / ("big" + std::to_string(int(format)));
        EXPECT_EQ(vtx::writeImageFile(picture.raster, path.c_str(), format), vtx::kImageTooLarge) << int(format);
        EXPECT_FALSE(fs::exists(path));
    }
    // 65535 pixels is still a GIF side; one more is not.
    TestPicture row(65536, 1, 1);
    EXPECT_EQ(vtx::writeImageFile(row.raster, (dir_ / "row.gif").c_str(), vtx::kImageGif), vtx::kImageTooLarge);
    row.raster.width = 65535;
    EXPECT_EQ(vtx::writeImageFile(row.raster, (dir_ / "row.gif").c_str(), vtx::kImageGif), vtx::kImageOk);
}

}  // namespace
