#include "ui/WindowStateCheck.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QString>

#include <cstdint>

namespace ranvik {

namespace {

// Qt's largest widget size (QWIDGETSIZE_MAX); a place far beyond any screen.
constexpr std::int64_t kMaxSize = 0xFFFFFF;
constexpr std::int64_t kMaxPlace = 1 << 20;

// Big-endian reading that fails, and stays failed, past the end.
class BlobReader {
  public:
    explicit BlobReader(const QByteArray& blob) : blob_(blob) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return ok_ && at_ == blob_.size(); }

    std::uint8_t byte() {
        if (!take(1))
            return 0;
        return static_cast<std::uint8_t>(blob_[at_ - 1]);
    }
    std::int32_t int32() {
        if (!take(4))
            return 0;
        std::uint32_t value = 0;
        for (qsizetype k = at_ - 4; k < at_; ++k)
            value = (value << 8) | static_cast<std::uint8_t>(blob_[k]);
        return static_cast<std::int32_t>(value);
    }
    std::uint16_t int16() {
        const std::uint32_t high = byte();
        return static_cast<std::uint16_t>((high << 8) | byte());
    }
    // A value that must lie in [low, high]; the reading fails otherwise.
    std::int32_t within(std::int64_t low, std::int64_t high) {
        const std::int32_t value = int32();
        expect(value >= low && value <= high);
        return value;
    }
    void expect(bool condition) { ok_ = ok_ && condition; }
    // A QString of at most `most` characters.
    QString text(qsizetype most) {
        const std::uint32_t bytes = static_cast<std::uint32_t>(int32());
        expect(bytes % 2 == 0 && bytes / 2 <= static_cast<std::uint32_t>(most));
        QString out;
        for (std::uint32_t k = 0; ok_ && k < bytes / 2; ++k)
            out += QChar(int16());
        return out;
    }

  private:
    bool take(qsizetype count) {
        expect(blob_.size() - at_ >= count);
        if (ok_)
            at_ += count;
        return ok_;
    }
    const QByteArray& blob_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

// A rectangle (left, top, right, bottom) within reach and no larger than `largest`.
void ReadRect(BlobReader& in, QSize largest) {
    constexpr int kFrame = 64;
    const std::int64_t left = in.within(-kMaxPlace, kMaxPlace);
    const std::int64_t top = in.within(-kMaxPlace, kMaxPlace);
    in.within(left - 1, left + largest.width() + kFrame);
    in.within(top - 1, top + largest.height() + kFrame);
}

// One dock area: a sequence of dock widgets (this window nests none and tabs none).
void ReadDockArea(BlobReader& in, const QStringList& dockNames, QSet<QString>& seen) {
    constexpr std::uint8_t kSequenceMarker = 0xfc;
    constexpr std::uint8_t kWidgetMarker = 0xfb;
    constexpr std::uint8_t kVisible = 1;
    constexpr std::uint8_t kFloating = 2;
    in.expect(in.byte() == kSequenceMarker);
    const std::uint8_t orientation = in.byte();
    in.expect(orientation == Qt::Horizontal || orientation == Qt::Vertical);
    const std::int32_t items = in.within(1, dockNames.size());
    for (std::int32_t k = 0; in.ok() && k < items; ++k) {
        in.expect(in.byte() == kWidgetMarker);
        const QString name = in.text(256);
        in.expect(dockNames.contains(name) && !seen.contains(name));
        seen.insert(name);
        const std::uint8_t flags = in.byte();
        in.expect((flags & ~(kVisible | kFloating)) == 0);
        if ((flags & kFloating) != 0) {
            in.within(-kMaxPlace, kMaxPlace); // x
            in.within(-kMaxPlace, kMaxPlace); // y
            in.within(0, kMaxSize);           // width
            in.within(0, kMaxSize);           // height
        } else {
            for (int v = 0; v < 4; ++v) // place, size (-1 for a hidden dock), least, largest
                in.within(-1, kMaxSize);
        }
    }
}

} // namespace

bool IsSoundDockState(const QByteArray& blob, const QStringList& dockNames) {
    constexpr std::int32_t kVersionMarker = 0xff;
    constexpr std::uint8_t kDockStateMarker = 0xfd;
    constexpr std::uint8_t kToolBarMarker = 0xfc;
    constexpr int kAreas = 4;
    BlobReader in(blob);
    in.expect(in.int32() == kVersionMarker);
    in.int32(); // the caller's version number
    in.expect(in.byte() == kDockStateMarker);
    const std::int32_t areas = in.within(0, kAreas);
    QSet<QString> seen;
    QSet<std::int32_t> placed;
    for (std::int32_t k = 0; in.ok() && k < areas; ++k) {
        const std::int32_t area = in.within(0, kAreas - 1);
        in.expect(!placed.contains(area));
        placed.insert(area);
        in.within(0, kMaxSize); // the area's width
        in.within(0, kMaxSize); // and height
        ReadDockArea(in, dockNames, seen);
    }
    in.within(0, kMaxSize); // the central widget's width
    in.within(0, kMaxSize); // and height
    for (int corner = 0; corner < 4; ++corner) {
        const std::int32_t area = in.int32();
        in.expect(area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ||
                  area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea);
    }
    in.expect(in.byte() == kToolBarMarker);
    in.expect(in.int32() == 0); // no tool bar lines
    return in.atEnd();
}

bool IsSoundSplitterState(const QByteArray& blob, int widgets) {
    constexpr std::int32_t kSplitterMarker = 0xff;
    BlobReader in(blob);
    in.expect(in.int32() == kSplitterMarker);
    in.int32(); // the format's version
    const std::int32_t sizes = in.within(0, widgets);
    for (std::int32_t k = 0; in.ok() && k < sizes; ++k)
        in.within(0, kMaxSize);
    in.expect(in.byte() <= 1); // children collapsible
    in.within(-1, 1000);       // handle width
    in.expect(in.byte() <= 1); // opaque resize
    const std::int32_t orientation = in.int32();
    in.expect(orientation == Qt::Horizontal || orientation == Qt::Vertical);
    in.expect(in.byte() <= 1); // opaque resize set
    return in.atEnd();
}

bool IsSoundGeometry(const QByteArray& blob, QSize desktop) {
    constexpr std::int32_t kMagic = 0x1D9D0CB;
    constexpr std::uint16_t kMajor = 3;
    BlobReader in(blob);
    in.expect(in.int32() == kMagic);
    in.expect(in.int16() == kMajor);
    in.int16();                // minor version
    ReadRect(in, desktop);     // frame
    ReadRect(in, desktop);     // normal geometry
    in.within(-1, 64);         // screen number
    in.expect(in.byte() <= 1); // maximized
    in.expect(in.byte() <= 1); // full screen
    in.within(0, kMaxSize);    // screen width
    ReadRect(in, desktop);     // geometry
    return in.atEnd();
}

QSize DesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize() : QSize();
}

} // namespace ranvik
