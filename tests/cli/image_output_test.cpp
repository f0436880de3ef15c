// The pictures vireflu-render writes: the view as PNG and SVG, the animation frames and a
// panel's phase pictures, probed at pixels whose colour follows from the layout.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include "tool_runner.h"

namespace {

// At 600x560 the machine is centred on (300, 280); the air-gap ring spans radii 196 to
// 224 and the stator discs (radius 22) are centred 251 pixels above and below the centre.
constexpr int kRingX = 300 + 210;
constexpr int kCentreY = 280;

const std::string kWhite = Rgb(255, 255, 255);
const std::string kBlack = Rgb(0, 0, 0);
const std::string kRed = Rgb(255, 0, 0);
const std::string kBlue = Rgb(0, 0, 255);

QImage RenderView(const Scratch& scratch, QStringList args) {
    const QString path = scratch.Path("view.png");
    const ToolRun run = RunTool(args << "--output" << path);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QImage(path);
}

TEST(ViewImageTest, NoPhaseOnShowsTheNeutralRingOnWhite) {
    const Scratch scratch;
    const QImage view = RenderView(scratch, {});
    ASSERT_EQ(view.size(), QSize(600, 560));
    EXPECT_EQ(RgbAt(view, 5, 5), kWhite);
    EXPECT_EQ(RgbAt(view, 300, kCentreY), kWhite);
    EXPECT_EQ(RgbAt(view, kRingX, kCentreY), Rgb(0, 0, 31));
    EXPECT_EQ(RgbAt(view, 300, kCentreY - 210), Rgb(0, 0, 31));
    // No conductor is drawn where the stator's first disc would be.
    EXPECT_EQ(RgbAt(view, 300, 29), kWhite);
}

TEST(ViewImageTest, ContinuStatorDiscsShowFullCurrentBothWays) {
    const Scratch scratch;
    const QImage view =
        RenderView(scratch, {"--stator-phases", "1", "--stator-waveform", "continu"});
    EXPECT_EQ(RgbAt(view, 300, 29), Rgb(248, 0, 0));  // forward conductor, level 64
    EXPECT_EQ(RgbAt(view, 300, 531), kBlue);          // return conductor, level 0
}

TEST(ViewImageTest, VectorPresentationDrawsTheRedVectorWithoutTheRing) {
    const Scratch scratch;
    const QImage view = RenderView(scratch, {"--stator-phases", "1", "--stator-waveform", "continu",
                                             "--presentation", "vecteur"});
    // From the centre to (300 + 117, 280), its last pixel left out.
    EXPECT_EQ(RgbAt(view, 350, kCentreY), kRed);
    EXPECT_EQ(RgbAt(view, 416, kCentreY), kRed);
    EXPECT_EQ(RgbAt(view, 417, kCentreY), kWhite);
    EXPECT_EQ(RgbAt(view, kRingX, kCentreY), kWhite);
}

TEST(SvgOutputTest, IsAWellFormedDocumentOfTheViewSize) {
    const Scratch scratch;
    const QString path = scratch.Path("view.svg");
    const ToolRun run = RunTool({"--stator-phases", "1", "--output", path, "--size", "400x300"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 400 300"));
    int discs = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("circle") || xml.name() == QStringLiteral("ellipse"))
            ++discs;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(discs, 2);  // the stator's phase-1 pair; the rotor is off
}

TEST(SvgOutputTest, TakingTheSvgDoesNotDrawAnExtraFrame) {
    const Scratch scratch;
    const QStringList trace{"--stator-phases", "1", "--presentation", "trace", "--ticks", "2"};
    const QJsonObject json = RunForState(trace + QStringList{"--output", scratch.Path("t.svg")});
    EXPECT_EQ(json["traceCount"].toInt(), 6);
}

TEST(FramesTest, OneFilePerFrameFromTheRotorRecordOn) {
    const Scratch scratch;
    const QString dir = scratch.Path("frames");
    // A new folder, given as "frames/".
    const ToolRun run = RunTool({"--stator-phases", "1", "--presentation", "vecteur", "--ticks",
                                 "10", "--frames", dir + "/"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QStringList expected;
    for (int n = 0; n <= 10; ++n) expected << QString("frame-%1.png").arg(n, 4, 10, QChar('0'));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files, QDir::Name), expected);
    // Before the first tick the current is 0 and there is no vector; ten ticks later the
    // current peaks and the vector reaches 117 pixels to the right.
    EXPECT_EQ(RgbAt(QImage(dir + "/frame-0000.png"), 350, kCentreY), kWhite);
    EXPECT_EQ(RgbAt(QImage(dir + "/frame-0010.png"), 350, kCentreY), kRed);
    EXPECT_EQ(QImage(dir + "/frame-0005.png").size(), QSize(600, 560));
}

// Every frame of a GIF as a viewer shows it: each image drawn over the picture so far, its
// transparent pixels leaving what was there. `delay` is the last frame's.
std::vector<QImage> DecodeGif(const QString& path, int& delay) {
    std::vector<QImage> frames;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (gif == nullptr) return frames;
    const bool read = DGifSlurp(gif) == GIF_OK;
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int i = 0; read && i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& box = image.ImageDesc;
        const ColorMapObject* map = box.ColorMap != nullptr ? box.ColorMap : gif->SColorMap;
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        delay = control.DelayTime;
        for (int p = 0; p < box.Width * box.Height; ++p) {
            const GifColorType c = map->Colors[image.RasterBits[p]];
            if (image.RasterBits[p] != control.TransparentColor)
                canvas.setPixel(box.Left + p % box.Width, box.Top + p / box.Width,
                                qRgb(c.Red, c.Green, c.Blue));
        }
        frames.push_back(canvas.copy());
    }
    DGifCloseFile(gif, &error);
    return frames;
}

// Every pixel of every GIF frame equals the PNG frame of the same tick, over one 50 Hz
// period in "Couple" at full size, which must stay under 400 KB.
TEST(AnimationTest, EveryFrameEqualsThePngOfItsTick) {
    const Scratch scratch;
    const QString gif = scratch.Path("a.gif");
    const QString dir = scratch.Path("frames");
    const ToolRun run =
        RunTool({"--stator-phases", "3", "--stator-angles", "0,120,240", "--rotor-phases", "3",
                 "--rotor-angles", "0,120,240", "--presentation", "couple", "--period",
                 "--frame-delay", "44", "--animation", gif, "--frames", dir});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(QFile(gif).size(), 400'000);
    int delay = -1;
    const std::vector<QImage> frames = DecodeGif(gif, delay);
    EXPECT_EQ(delay, 4);
    ASSERT_EQ(frames.size(), 40u);
    for (int n = 0; n < 40; ++n) {
        const QImage png(QString("%1/frame-%2.png").arg(dir).arg(n, 4, 10, QChar('0')));
        EXPECT_TRUE(frames[n] == png.convertToFormat(QImage::Format_RGB32)) << "frame " << n;
    }
}

QImage RenderPanel(const Scratch& scratch, QStringList args) {
    const QString path = scratch.Path("panel.png");
    const ToolRun run = RunTool(args << "--panel-output" << path);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QImage(path);
}

TEST(PanelPicturesTest, OnePhaseIsOnePictureWithItsCursorOnTheAxis) {
    const Scratch scratch;
    const QImage panel = RenderPanel(scratch, {"--stator-phases", "1", "--panel", "stator"});
    ASSERT_EQ(panel.size(), QSize(97, 57));
    EXPECT_EQ(RgbAt(panel, 10, 20), kBlack);  // the cursor covers the vertical axis
    EXPECT_EQ(RgbAt(panel, 40, 28), kRed);    // horizontal axis at trunc(57 / 2)
    EXPECT_EQ(RgbAt(panel, 30, 5), kBlue);    // the sine's crest, a quarter period in
    EXPECT_EQ(RgbAt(panel, 60, 10), kWhite);
}

TEST(PanelPicturesTest, CursorStandsAtTheWindingsAngleAfterTheRun) {
    const Scratch scratch;
    // Ten ticks: 1.570795 rad, a quarter of the 82-pixel period: x = 10 + trunc(20.5).
    const QImage panel =
        RenderPanel(scratch, {"--stator-phases", "1", "--ticks", "10", "--panel", "stator"});
    EXPECT_EQ(RgbAt(panel, 30, 40), kBlack);
    EXPECT_EQ(RgbAt(panel, 10, 40), kRed);
}

TEST(PanelPicturesTest, PictureSizeSetsEachPicture) {
    const Scratch scratch;
    const QImage panel = RenderPanel(
        scratch, {"--rotor-phases", "2", "--panel", "rotor", "--picture-size", "120x70"});
    EXPECT_EQ(panel.size(), QSize(120, 2 * 70));
}

}  // namespace
