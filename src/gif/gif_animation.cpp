#include "gif_animation.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vireflu {

namespace {

constexpr int kMaxColours = 256;
// Marks an unchanged pixel among the palette indices of a frame's region.
constexpr std::uint16_t kUnchanged = kMaxColours;

int WriteToSink(GifFileType* gif, const GifByteType* bytes, int length) {
    const auto& sink = *static_cast<const GifByteSink*>(gif->UserData);
    return sink({bytes, static_cast<std::size_t>(length)}) ? length : 0;
}

// A GIF colour table holds a power of two entries, 2 to 256.
int TableSize(int colours) {
    int size = 2;
    while (size < colours) size *= 2;
    return size;
}

std::uint8_t Red(std::uint32_t c) {
    return static_cast<std::uint8_t>(c >> 16);
}
std::uint8_t Green(std::uint32_t c) {
    return static_cast<std::uint8_t>(c >> 8);
}
std::uint8_t Blue(std::uint32_t c) {
    return static_cast<std::uint8_t>(c);
}

// A frame's rows, as the encoder reads them.
struct Picture {
    const std::uint32_t* words = nullptr;
    int width = 0;
    int height = 0;

    const std::uint32_t* Row(int y) const {
        return words + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
};

// A rectangle of pixels: left and top inclusive, width and height in pixels.
struct Region {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width - 1; }
    int Bottom() const { return top + height - 1; }
    bool Empty() const { return width <= 0 || height <= 0; }
};

// The smallest rectangle holding every pixel that differs between two pictures of the same
// size; empty when they are equal.
Region ChangedRegion(const Picture& before, const Picture& after) {
    const int w = after.width;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
    int top = 0;
    int bottom = after.height - 1;
    while (top <= bottom && std::memcmp(before.Row(top), after.Row(top), rowBytes) == 0) ++top;
    if (top > bottom) return {};
    while (std::memcmp(before.Row(bottom), after.Row(bottom), rowBytes) == 0) --bottom;
    int left = w;
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const std::uint32_t* a = before.Row(y);
        const std::uint32_t* b = after.Row(y);
        for (int x = 0; x < left; ++x)
            if (a[x] != b[x]) left = x;
        for (int x = w - 1; x > right; --x)
            if (a[x] != b[x]) right = x;
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

struct GifAnimationWriter::Encoder {
    Encoder(GifByteSink s, int delayMs) : sink(std::move(s)), delay((delayMs + 5) / 10) {}
    ~Encoder() {
        if (gif != nullptr) EGifCloseFile(gif, nullptr);
    }

    GifStatus Add(const Picture& frame);
    GifStatus Close();

    // The palette index of a colour, added when new; kMaxColours when the palette is full.
    int IndexOf(std::uint32_t colour);
    // The region's indices, unchanged pixels marked; false when the colours overflow.
    bool MapRegion(const Picture& frame, const Region& region);
    bool Open(int width, int height);
    bool WriteImage(const Region& region);
    ColorMapObject* MakeColourMap(int size) const;

    const GifByteSink sink;
    const int delay;  // hundredths of a second
    GifFileType* gif = nullptr;
    // The frame before, kept as a copy: the caller may draw the next frame into its buffer.
    std::vector<std::uint32_t> previousWords;
    Picture previous;

    std::vector<std::uint32_t> palette;
    std::unordered_map<std::uint32_t, int> paletteIndex;
    std::uint32_t lastColour = 0;
    int lastIndex = -1;
    // The global table holds the first frame's colours, padded to a power of two.
    int globalColours = 0;
    int globalTableSize = 0;

    std::vector<std::uint16_t> indices;
    std::array<bool, kMaxColours> used{};
    bool anyUnchanged = false;
};

int GifAnimationWriter::Encoder::IndexOf(std::uint32_t colour) {
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

bool GifAnimationWriter::Encoder::MapRegion(const Picture& frame, const Region& region) {
    indices.resize(static_cast<std::size_t>(region.width) *
                   static_cast<std::size_t>(region.height));
    used.fill(false);
    anyUnchanged = false;
    std::uint16_t* out = indices.data();
    for (int y = region.top; y <= region.Bottom(); ++y) {
        const std::uint32_t* now = frame.Row(y);
        const std::uint32_t* before = previous.words == nullptr ? nullptr : previous.Row(y);
        for (int x = region.left; x <= region.Right(); ++x) {
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
        colours[i] = {Red(palette[i]), Green(palette[i]), Blue(palette[i])};
    return GifMakeMapObject(size, colours.data());
}

bool GifAnimationWriter::Encoder::Open(int width, int height) {
    int error = 0;
    // giflib only reads the sink back through UserData, which it does not own.
    gif = EGifOpen(const_cast<GifByteSink*>(&sink), WriteToSink, &error);
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

bool GifAnimationWriter::Encoder::WriteImage(const Region& region) {
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
    const bool described = EGifPutImageDesc(gif, region.left, region.top, region.width,
                                            region.height, false, map) == GIF_OK;
    if (map != nullptr) GifFreeMapObject(map);
    if (!described) return false;

    std::vector<GifPixelType> line(static_cast<std::size_t>(region.width));
    const std::uint16_t* in = indices.data();
    for (int y = region.top; y <= region.Bottom(); ++y) {
        for (int x = 0; x < region.width; ++x, ++in) {
            if (*in != kUnchanged)
                line[x] = static_cast<GifPixelType>(*in);
            else if (transparent != NO_TRANSPARENT_COLOR)
                line[x] = static_cast<GifPixelType>(transparent);
            else
                line[x] = static_cast<GifPixelType>(IndexOf(previous.Row(y)[region.left + x]));
        }
        if (EGifPutLine(gif, line.data(), region.width) != GIF_OK) return false;
    }
    return true;
}

GifStatus GifAnimationWriter::Encoder::Add(const Picture& frame) {
    Region region{0, 0, frame.width, frame.height};
    if (previous.words != nullptr) {
        if (frame.width != previous.width || frame.height != previous.height)
            return GifStatus::WriteFailed;
        region = ChangedRegion(previous, frame);
        // A frame like the one before still takes its place in time: one pixel, redrawn.
        if (region.Empty()) region = {0, 0, 1, 1};
    }
    if (!MapRegion(frame, region)) return GifStatus::TooManyColours;
    if (gif == nullptr && !Open(frame.width, frame.height)) return GifStatus::WriteFailed;
    if (!WriteImage(region)) return GifStatus::WriteFailed;
    previousWords.assign(frame.words,
                         frame.words + static_cast<std::size_t>(frame.width) * frame.height);
    previous = {previousWords.data(), frame.width, frame.height};
    return GifStatus::Ok;
}

GifStatus GifAnimationWriter::Encoder::Close() {
    if (gif == nullptr) return GifStatus::WriteFailed;
    const int closed = EGifCloseFile(std::exchange(gif, nullptr), nullptr);
    return closed == GIF_OK ? GifStatus::Ok : GifStatus::WriteFailed;
}

GifAnimationWriter::GifAnimationWriter(GifByteSink sink, int delayMs)
    : encoder(std::make_unique<Encoder>(std::move(sink), delayMs)) {}

GifAnimationWriter::~GifAnimationWriter() = default;

GifStatus GifAnimationWriter::AddFrame(std::span<const std::uint32_t> pixels, int width) {
    // A frame without a whole number of rows has no size to show.
    if (width <= 0 || pixels.empty() || pixels.size() % static_cast<std::size_t>(width) != 0)
        return GifStatus::WriteFailed;
    const auto height = static_cast<int>(pixels.size() / static_cast<std::size_t>(width));
    return encoder->Add({pixels.data(), width, height});
}

GifStatus GifAnimationWriter::Finish() {
    return encoder->Close();
}

}  // namespace vireflu
