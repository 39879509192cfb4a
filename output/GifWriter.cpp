#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <unordered_map>
#include <utility>

namespace {

constexpr int kTableLimit = 256;
// Index 0 of every table is kept for "as in the previous frame", so the real colours keep the
// same indices in the global table and in every local one built from it.
constexpr GifPixelType kTransparentIndex = 0;
constexpr int kColourLimit = kTableLimit - 1;
// Qt promises 0xff in the top byte of Format_RGB32, but pixels written through bits() need not
// keep that promise; only red, green and blue reach the file.
constexpr QRgb kRgbMask = 0x00ffffff;
constexpr int kLargestSide = 65535;
constexpr int kLongestDelayMs = 65535 * 10;
constexpr char kLoopApplication[] = "NETSCAPE2.0";
constexpr int kLoopApplicationLength = sizeof kLoopApplication - 1;
// Sub-block 1 of the looping block holds the number of repeats, little-endian; 0 is forever.
constexpr GifByteType kLoopForever[] = {1, 0, 0};

bool sameColour(QRgb a, QRgb b) {
    return ((a ^ b) & kRgbMask) == 0;
}

const QRgb* rowOf(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

QString tooManyColours() {
    return QStringLiteral("the picture has more than %1 colours").arg(kColourLimit);
}

QString giflibError(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("GIF library: %1")
        .arg(text != nullptr ? QString::fromLatin1(text) : QString::number(code));
}

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, ColourMapDeleter>;

// GIF tables hold 2, 4, ... 256 entries; the slots past the last colour are black and never used.
ColourMap colourMapOf(const std::vector<QRgb>& table) {
    int size = 2;
    while (size < static_cast<int>(table.size()))
        size *= 2;
    std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < table.size(); ++i)
        entries[i] = {static_cast<GifByteType>(qRed(table[i])),
                      static_cast<GifByteType>(qGreen(table[i])),
                      static_cast<GifByteType>(qBlue(table[i]))};
    return ColourMap(GifMakeMapObject(size, entries.data()));
}

// The smallest rectangle holding every pixel that differs; empty if none does.
QRect changedRect(const QImage& previous, const QImage& current) {
    const int width = current.width();
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < current.height(); ++y) {
        const QRgb* before = rowOf(previous, y);
        const QRgb* after = rowOf(current, y);
        if (std::memcmp(before, after, static_cast<std::size_t>(width) * sizeof(QRgb)) == 0)
            continue;
        int first = 0;
        while (first < width && sameColour(before[first], after[first]))
            ++first;
        if (first == width)
            continue;
        int last = width - 1;
        while (sameColour(before[last], after[last]))
            --last;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// What a frame draws: everything on the first frame, afterwards the pixels unlike the frame before.
struct Change {
    const QImage& current;
    const QImage* previous;
    QRect rect;

    bool kept(int x, int y) const {
        return previous != nullptr && sameColour(rowOf(*previous, y)[x], rowOf(current, y)[x]);
    }
    QRgb colour(int x, int y) const { return rowOf(current, y)[x] & kRgbMask; }
};

// The colours drawn that the table lacks, ascending so that the tables are the same whatever the
// order of the pixels; nothing once the table could not hold them.
std::optional<std::set<QRgb>> addedColours(const Change& change,
                                           const std::unordered_map<QRgb, GifPixelType>& known,
                                           std::size_t tableSize) {
    std::set<QRgb> added;
    std::optional<QRgb> lastSeen;
    for (int y = change.rect.top(); y <= change.rect.bottom(); ++y)
        for (int x = change.rect.left(); x <= change.rect.right(); ++x) {
            const QRgb colour = change.colour(x, y);
            if (change.kept(x, y) || colour == lastSeen)
                continue;
            lastSeen = colour;
            if (known.contains(colour) || !added.insert(colour).second)
                continue;
            if (tableSize + added.size() > kTableLimit)
                return std::nullopt;
        }
    return added;
}

} // namespace

struct GifWriter::Encoder {
    QByteArray bytes;
    GifFileType* gif = nullptr;
    std::vector<QRgb> globalTable{0}; // by index, the transparent slot first
    std::unordered_map<QRgb, GifPixelType> globalIndex;

    Encoder() = default;
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder() {
        if (gif != nullptr)
            EGifCloseFile(gif, nullptr);
    }

    // The screen with the first frame's colours as the global table, looping forever.
    std::optional<QString> start(QSize size, const std::set<QRgb>& colours) {
        for (const QRgb colour : colours) {
            globalIndex[colour] = static_cast<GifPixelType>(globalTable.size());
            globalTable.push_back(colour);
        }
        const ColourMap globalMap = colourMapOf(globalTable);
        int code = E_GIF_ERR_NOT_ENOUGH_MEM;
        if (globalMap)
            gif = EGifOpen(&bytes, appendBytes, &code);
        if (gif == nullptr)
            return giflibError(code);
        // Without this giflib stamps GIF87a, which knows neither delays nor transparency.
        EGifSetGifVersion(gif, true);
        // The first frame covers the whole screen, so its background colour is never seen.
        if (EGifPutScreenDesc(gif, size.width(), size.height(), 8, kTransparentIndex,
                              globalMap.get()) == GIF_ERROR ||
            EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif, kLoopApplicationLength, kLoopApplication) == GIF_ERROR ||
            EGifPutExtensionBlock(gif, sizeof kLoopForever, kLoopForever) == GIF_ERROR ||
            EGifPutExtensionTrailer(gif) == GIF_ERROR)
            return giflibError(gif->Error);
        return std::nullopt;
    }

    // The changed rectangle of one frame, with a local table when it draws colours the global
    // one lacks.
    std::optional<QString> put(const Change& change, const std::set<QRgb>& added, int delayMs) {
        std::unordered_map<QRgb, GifPixelType> addedIndex;
        ColourMap localMap;
        if (!added.empty()) {
            std::vector<QRgb> table = globalTable;
            for (const QRgb colour : added) {
                addedIndex[colour] = static_cast<GifPixelType>(table.size());
                table.push_back(colour);
            }
            localMap = colourMapOf(table);
            if (!localMap)
                return giflibError(E_GIF_ERR_NOT_ENOUGH_MEM);
        }
        GraphicsControlBlock control{};
        // Each frame is left in place under the next, which is what lets that one store only
        // what changed.
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = (std::clamp(delayMs, 0, kLongestDelayMs) + 5) / 10;
        control.TransparentColor =
            change.previous != nullptr ? kTransparentIndex : NO_TRANSPARENT_COLOR;
        GifByteType controlBytes[4];
        const auto controlLength = EGifGCBToExtension(&control, controlBytes);
        // giflib (up to 5.2.1 at least) drops its copy of the last local table without freeing
        // it when the next frame has none.
        if (!localMap && gif->Image.ColorMap != nullptr) {
            GifFreeMapObject(gif->Image.ColorMap);
            gif->Image.ColorMap = nullptr;
        }
        const QRect& rect = change.rect;
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(controlLength),
                             controlBytes) == GIF_ERROR ||
            EGifPutImageDesc(gif, rect.left(), rect.top(), rect.width(), rect.height(), false,
                             localMap.get()) == GIF_ERROR)
            return giflibError(gif->Error);

        std::vector<GifPixelType> line(static_cast<std::size_t>(rect.width()));
        std::optional<QRgb> lastColour;
        GifPixelType lastIndex = kTransparentIndex;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb colour = change.colour(x, y);
                const bool kept = change.kept(x, y);
                if (!kept && colour != lastColour) {
                    const auto global = globalIndex.find(colour);
                    lastIndex =
                        global != globalIndex.end() ? global->second : addedIndex.at(colour);
                    lastColour = colour;
                }
                line[static_cast<std::size_t>(x - rect.left())] =
                    kept ? kTransparentIndex : lastIndex;
            }
            if (EGifPutLine(gif, line.data(), rect.width()) == GIF_ERROR)
                return giflibError(gif->Error);
        }
        return std::nullopt;
    }
};

GifWriter::GifWriter(QSize size) : m_size(size) {}

GifWriter::~GifWriter() = default;

bool GifWriter::fail(const QString& message) {
    m_error = message;
    m_encoder.reset();
    m_previous = QImage();
    return false;
}

bool GifWriter::addFrame(const QImage& frame, int delayMs) {
    if (!m_error.isEmpty())
        return false;
    if (m_finished)
        return fail(QStringLiteral("the animation is already finished"));
    if (m_size.isEmpty() || m_size.width() > kLargestSide || m_size.height() > kLargestSide)
        return fail(QStringLiteral("a GIF cannot be %1×%2 pixels")
                        .arg(m_size.width())
                        .arg(m_size.height()));
    if (frame.size() != m_size)
        return fail(QStringLiteral("a frame is %1×%2 pixels, not %3×%4")
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(m_size.width())
                        .arg(m_size.height()));
    const QImage current = frame.convertToFormat(QImage::Format_RGB32);
    const bool first = !m_encoder;
    const QRect changed = first ? QRect(QPoint(0, 0), m_size) : changedRect(m_previous, current);
    // An image needs at least one pixel, and the frame must be there to carry its delay.
    const Change change{current, first ? nullptr : &m_previous,
                        changed.isEmpty() ? QRect(0, 0, 1, 1) : changed};

    if (first)
        m_encoder = std::make_unique<Encoder>();
    const std::optional<std::set<QRgb>> added =
        addedColours(change, m_encoder->globalIndex, m_encoder->globalTable.size());
    if (!added)
        return fail(tooManyColours());
    if (first) {
        if (const auto error = m_encoder->start(m_size, *added))
            return fail(*error);
    }
    if (const auto error = m_encoder->put(change, first ? std::set<QRgb>() : *added, delayMs))
        return fail(*error);
    m_previous = current;
    return true;
}

std::optional<QByteArray> GifWriter::finish() {
    if (!m_error.isEmpty())
        return std::nullopt;
    if (!m_encoder) {
        fail(m_finished ? QStringLiteral("the animation is already finished")
                        : QStringLiteral("the animation has no frame"));
        return std::nullopt;
    }
    int code = 0;
    // giflib frees the handle whatever the outcome, so the encoder must not close it again.
    if (EGifCloseFile(std::exchange(m_encoder->gif, nullptr), &code) == GIF_ERROR) {
        fail(giflibError(code));
        return std::nullopt;
    }
    QByteArray bytes = std::move(m_encoder->bytes);
    m_encoder.reset();
    m_previous = QImage();
    m_finished = true;
    return bytes;
}
