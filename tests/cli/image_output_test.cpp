// The pictures vireflu-render writes: the view as PNG or SVG at the size asked, one file per
// frame, and a panel's phase pictures at the winding's angle after the run.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <random>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "gif_device.h"
#include "tool_runner.h"

namespace {

// At 600 x 560, mid-ring right of the centre, sits the neutral entry of the colour map.
TEST(ImageOutputTest, PngOfTheSizeAndColourMapAsked) {
    const Scratch scratch;
    const QString path = scratch.Path("view.png");
    ASSERT_EQ(RunTool({"--colour-map", "cao", "--output", path}).exitCode, 0);
    const QImage view(path);
    ASSERT_EQ(view.size(), QSize(600, 560));
    EXPECT_EQ(RgbAt(view, 510, 280), Rgb(255, 70, 0));
    EXPECT_EQ(RgbAt(view, 300, 280), Rgb(255, 255, 255));
}

// A well-formed document of the view's size with the stator's phase-1 pair of discs;
// taking it draws no extra frame.
TEST(ImageOutputTest, SvgOfTheView) {
    const Scratch scratch;
    const QString path = scratch.Path("view.svg");
    const QJsonObject json = RunForState(
        {"--stator-phases", "1", "--presentation", "trace", "--output", path, "--size", "400x300"});
    EXPECT_EQ(json["traceCount"].toInt(), 4);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 400 300"));
    int discs = 0;
    while (!xml.atEnd())
        discs +=
            xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QStringLiteral("circle") || xml.name() == QStringLiteral("ellipse"));
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(discs, 2);
    EXPECT_TRUE(file.seek(0) && !file.readAll().contains("0072b2"));  // no rotating fields
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
        const GifByteType* index = image.RasterBits;
        for (int y = box.Top; y < box.Top + box.Height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(y)) + box.Left;
            for (int x = 0; x < box.Width; ++x, ++index) {
                const GifColorType c = map->Colors[*index];
                if (*index != control.TransparentColor) row[x] = qRgb(c.Red, c.Green, c.Blue);
            }
        }
        frames.push_back(canvas.copy());
    }
    DGifCloseFile(gif, &error);
    return frames;
}

// One 50 Hz period in "Couple" at full size stays under 400 KB, each frame shown for the
// delay asked, with a new frames folder given as "frames/": one file per tick, in a folder
// made as any other program makes one.
TEST(ImageOutputTest, AnimationOfOnePeriodWithItsFramesFolder) {
    const Scratch scratch;
    const QString gif = scratch.Path("a.gif");
    const QString dir = scratch.Path("frames");
    const ToolRun run =
        RunTool({"--stator-phases", "3", "--stator-angles", "0,120,240", "--rotor-phases", "3",
                 "--rotor-angles", "0,120,240", "--presentation", "couple", "--period",
                 "--frame-delay", "44", "--animation", gif, "--frames", dir + "/"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(QFile(gif).size(), 400'000);
    // Its loop and transparency need the 89a format, which the header must say.
    QFile file(gif);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(6), "GIF89a");
    int delay = -1;
    EXPECT_EQ(DecodeGif(gif, delay).size(), 40u);
    EXPECT_EQ(delay, 4);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 40);
    ASSERT_TRUE(QDir().mkdir(scratch.Path("made")));
    EXPECT_EQ(QFileInfo(dir).permissions(), QFileInfo(scratch.Path("made")).permissions());
}

// A scene the panels could set up, drawn at random: every presentation and colour map, the
// rotor on or off, each waveform its phases allow, sizes from 1x1 to 400x300, a few ticks or
// one whole period (of 20 Hz at least, so 100 frames at most).
QStringList RandomScene(std::mt19937& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    const auto number = [&](int low, int high) { return QString::number(pick(low, high)); };
    QStringList args;
    bool alternates = false;
    for (const QString winding : {"stator", "rotor"}) {
        const int phases = pick(0, 3);
        const int hertz = pick(0, 4) == 0 ? 0 : pick(20, 100);
        args << "--" + winding + "-phases" << QString::number(phases) << "--" + winding + "-angles"
             << number(0, 360) + "," + number(0, 360) + "," + number(0, 360)
             << "--" + winding + "-frequency" << QString::number(hertz);
        const bool continu = phases == 1 && pick(0, 2) == 0;
        if (continu)
            args << "--" + winding + "-waveform"
                 << "continu";
        if (phases == 3 && winding == "stator" && pick(0, 2) == 0)
            args << "--stator-waveform"
                 << "rectangulaire";
        alternates = alternates || (phases > 0 && !continu && hertz > 0);
    }
    const char* presentations[] = {"entrefer", "vecteur", "trace", "fmm", "couple"};
    const char* maps[] = {"bleu-noir-rouge", "vert-noir-rouge", "cao", "bleu-blanc-orange"};
    args << "--rotation" << number(0, 100) << "--initial-position" << number(0, 360)
         << "--presentation" << presentations[pick(0, 4)] << "--colour-map" << maps[pick(0, 3)];
    args << "--size" << number(1, 400) + "x" + number(1, 300);
    if (alternates && pick(0, 3) == 0)
        args << "--period";
    else
        args << "--ticks" << number(0, 30);
    if (pick(0, 3) == 0) args << "--sequences";
    if (pick(0, 3) == 0) args << "--projection";
    return args;
}

// Whatever colours a run gathers, every frame of its GIF shows exactly the PNG frame of the
// same tick. The runs go two at a time, one a core.
TEST(ImageOutputTest, AnimationFramesEqualThePngsOfTheirTicks) {
    std::mt19937 random(18);
    constexpr int kScenes = 240;
    for (int first = 0; first < kScenes; first += 2) {
        const Scratch scratch;
        QStringList scenes[2];
        QProcess runs[2];
        for (int i = 0; i < 2; ++i) {
            const QString folder = scratch.Path(QString::number(i));
            scenes[i] = RandomScene(random) << "--animation" << folder + ".gif"
                                            << "--frames" << folder;
            runs[i].start(VIREFLU_RENDER_PATH, scenes[i]);
        }
        for (QProcess& run : runs) run.waitForFinished(-1);
        for (int i = 0; i < 2; ++i) {
            const std::string scene = scenes[i].join(' ').toStdString();
            ASSERT_TRUE(runs[i].exitStatus() == QProcess::NormalExit && runs[i].exitCode() == 0)
                << scene << "\n"
                << runs[i].readAllStandardError().toStdString();
            const QDir folder(scratch.Path(QString::number(i)));
            int delay = -1;
            const std::vector<QImage> frames = DecodeGif(folder.path() + ".gif", delay);
            const QStringList files = folder.entryList(QDir::Files, QDir::Name);
            ASSERT_EQ(frames.size(), static_cast<std::size_t>(files.size())) << scene;
            for (std::size_t n = 0; n < frames.size(); ++n)
                ASSERT_TRUE(frames[n] ==
                            QImage(folder.filePath(files[n])).convertToFormat(QImage::Format_RGB32))
                    << scene << "\nframe " << n;
        }
    }
}

// Four colours fill the first frame's table; the next frame uses them all where it changed
// and keeps one pixel, whose transparent index needs a table of eight (an index past the
// table would come out as the first colour, so the kept pixel is of another). 256 colours
// fill the largest table: the kept row keeps its own colours, and one colour more is refused.
TEST(ImageOutputTest, AnimationKeepsPixelsWhenTheTableIsFull) {
    const Scratch scratch;
    const auto colour = [](int i) { return qRgb(i, 255 - i, i / 2); };
    std::vector<QImage> four, all;
    for (const char* row : {"abcbdc", "badbcd"}) {
        QImage frame(6, 1, QImage::Format_RGB32);
        for (int x = 0; x < 6; ++x) frame.setPixel(x, 0, colour(row[x] - 'a'));
        four.push_back(frame);
    }
    for (int n = 0; n < 2; ++n) {
        QImage frame(256, 3, QImage::Format_RGB32);
        for (int x = 0; x < 256; ++x)
            for (int y = 0; y < 3; ++y) frame.setPixel(x, y, colour(y == 1 ? x : (x + n) % 256));
        all.push_back(frame);
    }
    for (const std::vector<QImage>& frames : {four, all}) {
        QFile file(scratch.Path("t.gif"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        vireflu::GifAnimationWriter writer(vireflu::DeviceSink(file), 40);
        for (const QImage& frame : frames)
            ASSERT_EQ(vireflu::AddImage(writer, frame), vireflu::GifStatus::Ok);
        // A 257th colour has no place in any table.
        QImage beyond = frames.back().copy();
        beyond.setPixel(0, 0, qRgb(1, 2, 3));
        if (frames == all) {
            EXPECT_EQ(vireflu::AddImage(writer, beyond), vireflu::GifStatus::TooManyColours);
        }
        ASSERT_EQ(writer.Finish(), vireflu::GifStatus::Ok);
        file.close();
        int delay = -1;
        EXPECT_EQ(DecodeGif(file.fileName(), delay), frames) << frames[0].width();
    }
}

// A setup saved from options opens to the same bytes, picture and link as those options;
// an option given beside it overrides its value.
TEST(ImageOutputTest, SetupSavedAndOpenedAgain) {
    const Scratch scratch;
    const QStringList scene{"--stator-phases",
                            "3",
                            "--stator-angles",
                            "0,240,120",
                            "--rotor-phases",
                            "1",
                            "--rotor-waveform",
                            "continu",
                            "--rotation",
                            "50",
                            "--sequences",
                            "--ticks",
                            "7"};
    const auto bytes = [&](const QString& name) {
        QFile file(scratch.Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    ASSERT_EQ(RunTool(scene + QStringList{"--save-setup", scratch.Path("a.vireflu"), "--output",
                                          scratch.Path("a.png")})
                  .exitCode,
              0);
    const QStringList opened{"--setup", scratch.Path("a.vireflu")};
    ASSERT_EQ(RunTool(opened + QStringList{"--save-setup", scratch.Path("b.vireflu"), "--output",
                                           scratch.Path("b.png")})
                  .exitCode,
              0);
    EXPECT_EQ(bytes("a.vireflu"), bytes("b.vireflu"));
    EXPECT_TRUE(bytes("a.vireflu").contains("\"ticks\": 7,"));
    EXPECT_EQ(QImage(scratch.Path("a.png")), QImage(scratch.Path("b.png")));
    const ToolRun link = RunTool(scene + QStringList{"--link"});
    EXPECT_TRUE(link.out.starts_with("setup=") &&
                link.out == RunTool(opened + QStringList{"--link"}).out);
    RunTool(opened + QStringList{"--ticks", "0", "--save-setup", scratch.Path("c.vireflu")});
    EXPECT_TRUE(bytes("c.vireflu").contains("\"ticks\": 0,"));
}

// Ten ticks: the stator at a quarter turn, the rotor at 25 Hz an eighth: the rotor's
// cursor at x = 10 + trunc(82 / 8). Its two phases are stacked, each of the size asked.
TEST(ImageOutputTest, PanelPicturesAtTheWindingsAngle) {
    const Scratch scratch;
    const QString path = scratch.Path("panel.png");
    ASSERT_EQ(RunTool({"--rotor-phases", "2", "--rotor-frequency", "25", "--ticks", "10", "--panel",
                       "rotor", "--panel-output", path})
                  .exitCode,
              0);
    const QImage panel(path);
    EXPECT_EQ(panel.size(), QSize(97, 2 * 57));
    EXPECT_EQ(RgbAt(panel, 20, 40), Rgb(0, 0, 0));
    EXPECT_EQ(RgbAt(panel, 20, 57 + 40), Rgb(0, 0, 0));
    EXPECT_EQ(RgbAt(panel, 0, 0), Rgb(255, 255, 255));  // the first picture from the first row
    const QString sized = scratch.Path("sized.png");
    RunTool({"--stator-phases", "1", "--panel", "stator", "--panel-output", sized, "--picture-size",
             "120x70"});
    EXPECT_EQ(QImage(sized).size(), QSize(120, 70));
}

// "--measures" writes the "Mesures" picture as PNG or SVG, by the name's extension; what it
// shows is the core's. Here its size, the grid's 0 degrees inside the 6-pixel margin and a
// balanced field's red marker at 90 degrees, 6 + 508 / 4.
TEST(ImageOutputTest, MeasuresPictureAsPngOrSvg) {
    int argc = 1;
    char* argv[] = {const_cast<char*>("cli_tests"), nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);  // fonts, to read the SVG's texts
    const Scratch scratch;
    for (const QString file : {"m.png", "m.svg"}) {
        ASSERT_EQ(RunTool({"--stator-phases", "3", "--stator-angles", "0,120,240", "--measures",
                           scratch.Path(file)})
                      .exitCode,
                  0);
        QImageReader reader(scratch.Path(file));
        reader.setScaledSize(QSize(520, 458));  // an SVG's natural size is in millimetres
        const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), QSize(520, 458));
        EXPECT_EQ(RgbAt(image, 5, 40) + RgbAt(image, 6, 40) + RgbAt(image, 133, 40),
                  "(255, 255, 255)(210, 210, 210)(255, 0, 0)")
            << file.toStdString();
    }
    QFile svg(scratch.Path("m.svg"));
    int inside = 0, outside = 0;  // the texts of the legend and rows, by where they start
    for (const auto& x : QRegularExpression(R"(<text[^>]* x="(\d+))")
                             .globalMatch(svg.open(QIODevice::ReadOnly) ? svg.readAll() : ""))
        ++(x.captured(1).toInt() < 520 ? inside : outside);
    EXPECT_TRUE(inside > 5 && outside == 0) << inside << " " << outside;
}

}  // namespace
