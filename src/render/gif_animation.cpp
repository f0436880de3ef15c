#include "gif_animation.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QRect>

namespace vireflu {

namespace {

constexpr int kMaxColours = 256;
// Marks an unchanged pixel among the palette indices of a frame's region.
constexpr std::uint16_t kUnchanged = kMaxColours;

int WriteToDevice(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return device->write(reinterpret_cast<const char*>(bytes), length) == length ? length : 0;
}

// A GIF colour table holds a power of two entries, 2 to 256.
int TableSize(int colours) {
    int size = 2;
    while (size < colours) size *= 2;
    return size;
}

const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The smallest rectangle holding every pixel that differs between two images of the same
// size; empty when they are equal.
QRect ChangedRegion(const QImage& before, const QImage& after) {
    const int w = after.width();
    const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(QRgb);
    int top = 0;
    int bottom = after.height() - 1;
    while (top <= bottom && std::memcmp(Row(before, top), Row(after, top), rowBytes) == 0) ++top;
    if (top > bottom) return {};
    while (std::memcmp(Row(before, bottom), Row(after, bottom), rowBytes) == 0) --bottom;
    int left = w;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const QRgb* a = Row(before, y);
        const QRgb* b = Row(after, y);
        for (int x = 0; x < left; ++x)
            if (a[x] != b[x]) left = x;
        for (int x = w - 1; x > right; --x)
            if (a[x] != b[x]) right = x;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

struct GifAnimationWriter::Encoder {
    Encoder(QIODevice& d, int delayMs) : device(d), delay((delayMs + 5) / 10) {}
    ~Encoder() {
        if (gif != nullptr) EGifCloseFile(gif, nullptr);
    }

    GifStatus Add(const QImage& frame);
    GifStatus Close();

    // The palette index of a colour, added when new; kMaxColours when the palette is full.
    int IndexOf(QRgb colour);
    // The region's indices, unchanged pixels marked; false when the colours overflow.
    bool MapRegion(const QImage& frame, const QRect& region);
    bool Open(int width, int height);
    bool WriteImage(const QRect& region);
    ColorMapObject* MakeColourMap(int size) const;

    QIODevice& device;
    const int delay;  // hundredths of a second
    GifFileType* gif = nullptr;
    QImage previous;

    std::vector<QRgb> palette;
    std::unordered_map<QRgb, int> paletteIndex;
    QRgb lastColour = 0;
    int lastIndex = -1;
    // The global table holds the first frame's colours, padded to a power of two.
    int globalColours = 0;
    int globalTableSize = 0;

    std::vector<std::uint16_t> indices;
    std::array<bool, kMaxColours> used{};
    bool anyUnchanged = false;
};

int GifAnimationWriter::Encoder::IndexOf(QRgb colour) {
    if (lastIndex >= 0 && colour == lastColour) return lastIndex;
    auto found = paletteIndex.find(colour);
    if (found == paletteIndex.end()) {
        if (palette.size() == kMaxColours) return kMaxColours;
        found = paletteIndex.emplace(colour, static_cast<int>(palette.size())).first;
        palette.push_back(colour);
    }
    lastColour = colour;
    lastIndex = found->second;
    return lastIndex;
}

bool GifAnimationWriter::Encoder::MapRegion(const QImage& frame, const QRect& region) {
    indices.resize(static_cast<std::size_t>(region.width()) * region.height());
    used.fill(false);
    anyUnchanged = false;
    std::uint16_t* out = indices.data();
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const QRgb* now = Row(frame, y);
        const QRgb* before = previous.isNull() ? nullptr : Row(previous, y);
        for (int x = region.left(); x <= region.right(); ++x) {
            if (before != nullptr && before[x] == now[x]) {
                *out++ = kUnchanged;
                anyUnchanged = true;
                continue;
            }
            const int index = IndexOf(now[x]);
            if (index == kMaxColours) return false;
            used[index] = true;
            *out++ = static_cast<std::uint16_t>(index);
        }
    }
    return true;
}

ColorMapObject* GifAnimationWriter::Encoder::MakeColourMap(int size) const {
    // A frame that only needs the global colours may get a table smaller than the palette
    // has grown to: it holds the first `size` colours, which are all its indices reach.
    std::vector<GifColorType> colours(size, GifColorType{0, 0, 0});
    const std::size_t held = std::min(palette.size(), colours.size());
    for (std::size_t i = 0; i < held; ++i)
        colours[i] = {static_cast<GifByteType>(qRed(palette[i])),
                      static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};
    return GifMakeMapObject(size, colours.data());
}

bool GifAnimationWriter::Encoder::Open(int width, int height) {
    int error = 0;
    gif = EGifOpen(&device, WriteToDevice, &error);
    if (gif == nullptr) return false;
    EGifSetGifVersion(gif, true);
    // The first frame's colours make the global table; later colours come in local tables.
    globalColours = static_cast<int>(palette.size());
    globalTableSize = TableSize(globalColours);
    ColorMapObject* global = MakeColourMap(globalTableSize);
    const bool described = EGifPutScreenDesc(gif, width, height, 8, 0, global) == GIF_OK;
    GifFreeMapObject(global);
    // The application extension that makes viewers loop forever (a count of 0).
    const GifByteType loop[3] = {1, 0, 0};
    return described && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool GifAnimationWriter::Encoder::WriteImage(const QRect& region) {
    // A frame with a colour the global table lacks brings the whole palette along.
    int highest = -1;
    for (int i = 0; i < kMaxColours; ++i)
        if (used[i]) highest = i;
    bool local = highest >= globalColours;
    int tableSize = local ? TableSize(static_cast<int>(palette.size())) : globalTableSize;
    // Unchanged pixels take an index this frame does not use, declared transparent; a
    // table full of used colours gets twice the entries, and at 256 they keep their colour.
    int transparent = NO_TRANSPARENT_COLOR;
    if (anyUnchanged) {
        for (int i = 0; i < tableSize && transparent == NO_TRANSPARENT_COLOR; ++i)
            if (!used[i]) transparent = i;
        if (transparent == NO_TRANSPARENT_COLOR && tableSize < kMaxColours) {
            transparent = std::exchange(tableSize, tableSize * 2);
            local = true;
        }
    }

    GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, transparent};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) !=
        GIF_OK)
        return false;
    ColorMapObject* map = local ? MakeColourMap(tableSize) : nullptr;
    // giflib 5.2 forgets the previous image's local table, without freeing it, when the
    // next image has none.
    if (map == nullptr && gif->Image.ColorMap != nullptr) {
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    const bool described = EGifPutImageDesc(gif, region.left(), region.top(), region.width(),
                                            region.height(), false, map) == GIF_OK;
    if (map != nullptr) GifFreeMapObject(map);
    if (!described) return false;

    std::vector<GifPixelType> line(region.width());
    const std::uint16_t* in = indices.data();
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = 0; x < region.width(); ++x, ++in) {
            if (*in != kUnchanged)
                line[x] = static_cast<GifPixelType>(*in);
            else if (transparent != NO_TRANSPARENT_COLOR)
                line[x] = static_cast<GifPixelType>(transparent);
            else
                line[x] = static_cast<GifPixelType>(IndexOf(Row(previous, y)[region.left() + x]));
        }
        if (EGifPutLine(gif, line.data(), region.width()) != GIF_OK) return false;
    }
    return true;
}

GifStatus GifAnimationWriter::Encoder::Add(const QImage& image) {
    const QImage frame = image.convertToFormat(QImage::Format_RGB32);
    QRect region = frame.rect();
    if (!previous.isNull()) {
        if (frame.size() != previous.size()) return GifStatus::WriteFailed;
        region = ChangedRegion(previous, frame);
        // A frame like the one before still takes its place in time: one pixel, redrawn.
        if (region.isEmpty()) region = QRect(0, 0, 1, 1);
    }
    if (!MapRegion(frame, region)) return GifStatus::TooManyColours;
    if (gif == nullptr && !Open(frame.width(), frame.height())) return GifStatus::WriteFailed;
    if (!WriteImage(region)) return GifStatus::WriteFailed;
    // A deep copy: the frame may view a buffer that its caller draws the next frame into.
    previous = frame.copy();
    return GifStatus::Ok;
}

GifStatus GifAnimationWriter::Encoder::Close() {
    if (gif == nullptr) return GifStatus::WriteFailed;
    const int closed = EGifCloseFile(std::exchange(gif, nullptr), nullptr);
    return closed == GIF_OK ? GifStatus::Ok : GifStatus::WriteFailed;
}

GifAnimationWriter::GifAnimationWriter(QIODevice& device, int delayMs)
    : encoder(std::make_unique<Encoder>(device, delayMs)) {}

GifAnimationWriter::~GifAnimationWriter() = default;

GifStatus GifAnimationWriter::AddFrame(const QImage& frame) {
    return encoder->Add(frame);
}

GifStatus GifAnimationWriter::Finish() {
    return encoder->Close();
}

}  // namespace vireflu
