// A picture file that is missing or damaged stops the game the moment the
// game first needs it: one line naming the file, a message box (not on the
// offscreen platform), the window gone and a non-zero exit. Each picture file
// is damaged in each way in turn and the real window is driven, through its
// widgets, to the point where that file is loaded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "opponent/opponent.h"
#include "pictures/picture_files.h"
#include "desktop/help_window/help_window.h"
#include "desktop/main_window/main_window_view.h"
#include "files/picture_loader.h"
#include "desktop/widgets/picture_widgets.h"
#include "window/setup_flow.h"
#include "view/stderr_capture.h"

namespace pairon {
namespace {

enum class Damage { Missing, Empty, FirstHalf, RandomBytes, Folder, HugeHeader };

const char* Name(Damage damage) {
    switch (damage) {
        case Damage::Missing: return "missing";
        case Damage::Empty: return "empty";
        case Damage::FirstHalf: return "cut to its first half";
        case Damage::RandomBytes: return "random bytes";
        case Damage::Folder: return "a folder in its place";
        case Damage::HugeHeader: return "a header claiming 30000 x 30000 pixels";
    }
    return "?";
}

constexpr Damage kEveryDamage[] = {Damage::Missing,     Damage::Empty,  Damage::FirstHalf,
                                   Damage::RandomBytes, Damage::Folder, Damage::HugeHeader};

QString Folder() { return QCoreApplication::applicationDirPath(); }

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put16(QByteArray& bytes, int value, bool bigEndian) {
    if (bigEndian) {
        bytes.append(static_cast<char>((value >> 8) & 0xFF)).append(static_cast<char>(value & 0xFF));
    } else {
        bytes.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
    }
}

void Put32(QByteArray& bytes, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) bytes.append(static_cast<char>((value >> (8 * k)) & 0xFF));
}

// A valid bitmap header for a 30000 x 30000 24-bit picture, and a few hundred
// bytes of the 2.7 GB its rows would need.
QByteArray HugeBitmap() {
    QByteArray b("BM");
    Put32(b, 54 + 300);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, 30000);
    Put32(b, 30000);
    Put16(b, 1, false);
    Put16(b, 24, false);
    for (int k = 0; k < 6; ++k) Put32(b, 0);
    b.append(QByteArray(300, '\x40'));
    return b;
}

// A JPEG whose frame header claims 30000 x 30000 pixels, with tables, a scan
// and its end marker: complete in form, impossible in size.
QByteArray HugeJpeg() {
    QByteArray b("\xFF\xD8", 2);
    auto segment = [&b](int marker, const QByteArray& data) {
        b.append('\xFF').append(static_cast<char>(marker));
        Put16(b, static_cast<int>(data.size()) + 2, true);
        b.append(data);
    };
    segment(0xE0, QByteArray("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
    segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    QByteArray frame(1, '\x08');
    Put16(frame, 30000, true);
    Put16(frame, 30000, true);
    frame.append(QByteArray("\x01\x01\x11\x00", 4));
    segment(0xC0, frame);
    QByteArray table = QByteArray(1, '\x00') + QByteArray(1, '\x01') + QByteArray(15, '\0') + QByteArray(1, '\0');
    table += QByteArray(1, '\x10') + QByteArray(1, '\x01') + QByteArray(15, '\0') + QByteArray(1, '\0');
    segment(0xC4, table);
    segment(0xDA, QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
    b.append(QByteArray(64, '\0'));
    b.append("\xFF\xD9", 2);
    return b;
}

// Writes the damaged form of `name` into `folder`.
void DamageFile(const QString& folder, const std::string& name, Damage damage) {
    const QString path = folder + "/" + QString::fromStdString(name);
    const QByteArray original = ReadFile(path);
    QFile::remove(path);
    QByteArray bytes;
    switch (damage) {
        case Damage::Missing: return;
        case Damage::Folder: ASSERT_TRUE(QDir(folder).mkdir(QString::fromStdString(name))); return;
        case Damage::Empty: break;
        case Damage::FirstHalf: bytes = original.left(original.size() / 2); break;
        case Damage::RandomBytes: {
            std::mt19937 rng(static_cast<unsigned>(original.size()));
            bytes.resize(original.size());
            for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
            bytes[0] = 'x';  // neither "BM" nor a JPEG's start, whatever the draw
            break;
        }
        case Damage::HugeHeader: bytes = name.ends_with(".jpg") ? HugeJpeg() : HugeBitmap(); break;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

long PeakMemoryMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The real window over a copy of the picture folder, opened the way the
// program opens it: shown only if its start-up pictures loaded.
struct DamagedGame {
    explicit DamagedGame(const QString& folder) : random(7), form(random) {
        StderrCapture capture;
        view = std::make_unique<MainWindowView>(form, folder);
        startupErrors = capture.Release();
        if (!view->Failed()) view->show();
    }

    QWidget* Control(std::string_view name, int index = -1) { return view->Control(name, index); }
    void Press(std::string_view name) { QTest::mouseClick(Control(name), Qt::LeftButton); }
    void ClickCard(int code) {
        QTest::mouseClick(static_cast<PictureWidget*>(Control("imgCard", code)), Qt::LeftButton, {}, QPoint(10, 10));
    }
    void Choose(std::string_view list, const QString& text, int index = -1) {
        auto* box = static_cast<QComboBox*>(Control(list, index));
        box->setCurrentIndex(box->findText(text));
    }
    void Type(int seat, const QString& name) { static_cast<QLineEdit*>(Control("txtPlayer", seat))->setText(name); }

    int Width() const { return BoardWidth(form); }
    int Code(int boardIndex) const { return boardIndex / Width() * 10 + boardIndex % Width(); }
    int FaceAt(int code) const { return form.lstShuffled.Value(static_cast<std::size_t>(code / 10 * Width() + code % 10)); }
    std::vector<int> Shown() const {
        std::vector<int> codes;
        for (int p = 0; p < kCardSlots; ++p) {
            if (form.imgCard[static_cast<std::size_t>(p)].visible) codes.push_back(p);
        }
        return codes;
    }
    // Two shown cards of one face, or of two different faces.
    std::pair<int, int> SomePair() const {
        const std::vector<int> shown = Shown();
        for (int a : shown) {
            for (int b : shown) {
                if (a < b && FaceAt(a) == FaceAt(b)) return {a, b};
            }
        }
        return {-1, -1};
    }
    std::pair<int, int> SomeMiss() const {
        const std::vector<int> shown = Shown();
        for (int b : shown) {
            if (FaceAt(b) != FaceAt(shown.front())) return {shown.front(), b};
        }
        return {-1, -1};
    }

    // Lets the two delays tick as their timers would, through the window, so
    // a computer seat plays without real time passing.
    void TickDelays() {
        if (form.lstSelection.Count() == 2 && form.tmrCardDelay.enabled) {
            view->Handle([this] { tmrCardDelay_Timer(form); });
        } else if (form.tmrComputerDelay.enabled) {
            view->Handle([this] { tmrComputerDelay_Timer(form); });
        }
    }

    SeededRandom random;
    MainForm form;
    std::unique_ptr<MainWindowView> view;
    std::string startupErrors;
};

// New Game on a 4 x 2 board with these seats ("" a human, else a level),
// with the faces laid as given, and Done.
void StartGame(DamagedGame& game, const std::vector<QString>& seats, const std::vector<int>& faces) {
    game.Choose("cmbWidth", "4");
    game.Choose("cmbHeight", "2");
    game.Choose("cmbPlayers", QString::number(seats.size()));
    game.Press("cmdNew");
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int seat = static_cast<int>(i);
        game.Choose("cmbPlayerType", seats[i].isEmpty() ? "Human" : "Computer", seat);
        if (seats[i].isEmpty()) {
            game.Type(seat, QString("Seat %1").arg(seat));
        } else {
            game.Choose("cmbComputerLevel", seats[i], seat);
        }
    }
    game.form.lstShuffled.Empty();
    for (int face : faces) game.form.lstShuffled.Append(DecimalText(face));
    game.Press("cmdDone");
}

void TakeAPair(DamagedGame& game) {
    const auto [a, b] = game.SomePair();
    game.ClickCard(a);
    game.ClickCard(b);
}

void MissOnce(DamagedGame& game) {
    const auto [a, b] = game.SomeMiss();
    game.ClickCard(a);
    game.ClickCard(b);
    game.TickDelays();
}

const std::vector<int> kFourPairs = {1, 2, 3, 4, 4, 3, 2, 1};

// What the game does up to the moment it first needs the file (`prepare`) and
// the event that needs it (`trigger`).
struct Road {
    std::function<void(DamagedGame&)> prepare;
    std::function<void(DamagedGame&)> trigger;
};

Road RoadTo(const std::string& name) {
    auto nothing = [](DamagedGame&) {};
    if (name == kCardBackFile) return {nothing, nothing};  // the board at start-up
    if (name == kUnseenCardBackFile) {
        return {[](DamagedGame& g) { static_cast<QCheckBox*>(g.Control("chkHighlight"))->setChecked(true); },
                [](DamagedGame& g) { g.Press("cmdNew"); }};
    }
    if (name == kNewGameBackgroundFile) return {nothing, [](DamagedGame& g) { g.Press("cmdNew"); }};
    if (name == kSetupBackgroundFile) {
        return {[](DamagedGame& g) {
                    g.Press("cmdNew");
                    g.Press("cmdHelp");  // the help window goes too
                },
                [](DamagedGame& g) { g.Press("cmdNew"); }};
    }
    for (int face = 1; face <= kCardFaces; ++face) {
        if (name != CardFaceFile(face)) continue;
        const int other = face == 1 ? 2 : 1;
        return {[face, other](DamagedGame& g) { StartGame(g, {""}, {face, other, other, face, 3, 3, 4, 4}); },
                [](DamagedGame& g) { g.ClickCard(0); }};
    }
    if (name == kTrophyFile) {
        return {[](DamagedGame& g) {
                    StartGame(g, {""}, kFourPairs);
                    for (int k = 0; k < 3; ++k) TakeAPair(g);
                },
                TakeAPair};
    }
    if (name == kWinnerFile) {
        return {[](DamagedGame& g) {
                    StartGame(g, {"", ""}, kFourPairs);
                    for (int k = 0; k < 3; ++k) TakeAPair(g);
                },
                TakeAPair};
    }
    if (name == kFrustratedFile) {
        return {[](DamagedGame& g) {
                    StartGame(g, {"", ""}, kFourPairs);
                    TakeAPair(g);
                    TakeAPair(g);
                    MissOnce(g);
                    TakeAPair(g);
                },
                TakeAPair};
    }
    if (name == kDepressedFile) {
        // Seat 0 a computer that remembers everything, seat 1 a human who
        // misses whenever a miss is left to make: the computer wins.
        return {[](DamagedGame& g) {
                    StartGame(g, {"Excellent", ""}, kFourPairs);
                    for (int step = 0; step < 200 && g.form.lblPairs.text != "1"; ++step) {
                        if (g.form.lblPlayerTurn.text == kComputerName || g.form.tmrComputerDelay.enabled ||
                            g.form.lstSelection.Count() == 2) {
                            g.TickDelays();
                        } else {
                            MissOnce(g);
                        }
                    }
                },
                [](DamagedGame& g) {
                    for (int step = 0; step < 200 && !g.view->Failed(); ++step) {
                        if (g.form.lblPlayerTurn.text == kComputerName || g.form.tmrComputerDelay.enabled ||
                            g.form.lstSelection.Count() == 2) {
                            g.TickDelays();
                        } else {
                            TakeAPair(g);
                        }
                    }
                }};
    }
    return {nothing, nothing};
}

class PictureFault : public testing::TestWithParam<std::string> {};

TEST_P(PictureFault, StopsTheGameTheMomentTheFileIsNeeded) {
    const std::string& name = GetParam();
    const Road road = RoadTo(name);
    for (Damage damage : kEveryDamage) {
        SCOPED_TRACE(name + ", " + Name(damage));
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        for (const std::string& file : AllPictureFiles()) {
            const QString from = Folder() + "/" + QString::fromStdString(file);
            ASSERT_TRUE(QFile::copy(from, folder.filePath(QString::fromStdString(file)))) << file;
        }
        DamageFile(folder.path(), name, damage);
        const QString path = QString::fromStdString(PicturePath(folder.path().toStdString(), name));
        const QString message = "Pairon: the picture file " + path + " could not be loaded.";

        DamagedGame game(folder.path());
        std::string written = game.startupErrors;
        if (name != kCardBackFile) {
            ASSERT_FALSE(game.view->Failed()) << "the file was read before the game needed it: "
                                              << game.view->FailureMessage().toStdString();
            road.prepare(game);
            ASSERT_FALSE(game.view->Failed()) << "the file was read before the game needed it: "
                                              << game.view->FailureMessage().toStdString();
            StderrCapture capture;
            road.trigger(game);
            written = capture.Release();
        }

        ASSERT_TRUE(game.view->Failed());
        EXPECT_EQ(game.view->FailureMessage(), message);
        EXPECT_EQ(written, message.toStdString() + "\n") << "one line on stderr, and nothing else";
        EXPECT_FALSE(game.view->isVisible()) << "the window goes";
        if (game.view->Help()) {
            EXPECT_FALSE(game.view->Help()->isVisible()) << "and the help window with it";
        }
        EXPECT_LT(PeakMemoryMegabytes(), 1024) << "no room was made for the picture the header claims";

        // Nothing runs after the failure; a pending tick or a click is ignored.
        const std::string caption = game.form.cmdNew.caption;
        bool ran = false;
        game.view->Handle([&ran] { ran = true; });
        EXPECT_FALSE(ran);
        QTest::mouseClick(game.Control("cmdNew"), Qt::LeftButton);
        game.view->cmdHelp_Click();
        QCoreApplication::processEvents();
        EXPECT_EQ(game.form.cmdNew.caption, caption);
    }
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    name.erase(std::remove(name.begin(), name.end(), '.'), name.end());
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryFile, PictureFault, testing::ValuesIn(AllPictureFiles()), TestName);

// The loader on its own: what Qt's readers would half-decode without a word.
TEST(PictureLoader, RefusesABitmapOrJpegCutShortAnywhere) {
    for (const char* name : {"Card1.bmp", "Winner.bmp", "Mouse.jpg", "Pig.jpg"}) {
        const QByteArray whole = ReadFile(Folder() + "/" + name);
        ASSERT_FALSE(whole.isEmpty()) << name;
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        for (int eighth = 1; eighth < 8; ++eighth) {
            for (qsizetype cut : {whole.size() * eighth / 8, whole.size() - 1}) {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(whole.left(cut));
                file.close();
                EXPECT_TRUE(LoadPictureFile(path).isNull()) << name << " cut to " << cut << " of " << whole.size() << " bytes";
            }
        }
    }
}

// Qt's reader takes whatever starts with a JPEG's start marker for a JPEG,
// stray bytes after the marker or not; the fuzzer found such files skipping
// the loader's JPEG checks. They are JPEGs to the loader too: whole, and read
// at half size when asked.
TEST(PictureLoader, ChecksAJpegWithStrayBytesAfterItsStartMarkerAsAJpeg) {
    QByteArray found = ReadFile(PAIRON_FUZZ_FINDINGS_DIR "/jpeg-stray-bytes-after-start.jpg");
    QByteArray mouse = ReadFile(Folder() + "/Mouse.jpg");
    // The fuzzer's input claims a height of 2304, over the limit the loader
    // has had since; at 256 it is a picture again.
    const qsizetype frame = found.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    found[frame + 5] = 0x01;
    found[frame + 6] = 0x00;
    ASSERT_FALSE(mouse.isEmpty());
    mouse.insert(2, QByteArray("\x01\x00\x00", 3));
    for (const QByteArray& whole : {found, mouse}) {
        const QPixmap half = LoadPicture(whole, true);
        ASSERT_FALSE(half.isNull());
        EXPECT_EQ(half.devicePixelRatio(), 0.5);
        for (qsizetype cut : {whole.size() / 2, whole.size() - 1}) {
            EXPECT_TRUE(LoadPicture(whole.left(cut)).isNull()) << "cut to " << cut << " of " << whole.size() << " bytes";
        }
    }
}

// More of what the fuzzer found, each refused at once: bitmaps with a header
// size Qt's reader does not know (41, and one near 4 GB that wrapped round in
// the check that the pixels lie past the header), which the loader decoded
// with other sizes and rows than Qt would; a JPEG of 99 bytes claiming
// 3072 x 2304 pixels, a quarter of a second and 28 MB of grey; GIFs, which
// the game never uses: one decoded to 512 x 13056 pixels while reporting
// 512 x 0, one took most of a second to decode to nothing; and a run-length
// bitmap whose runs stop early, where Qt's reader leaves the rest of the
// picture as whatever the memory held.
TEST(PictureLoader, RefusesWhatTheFuzzerFound) {
    for (const char* name : {"bmp-header-size-41.bmp", "bmp-header-size-near-4gb.bmp", "jpeg-claims-3072x2304.jpg",
                             "gif-decodes-past-its-size.gif", "gif-slow-to-decode.gif",
                             "bmp-run-length-leaves-pixels.bmp"}) {
        const QByteArray bytes = ReadFile(QString(PAIRON_FUZZ_FINDINGS_DIR "/") + name);
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_TRUE(LoadPicture(bytes).isNull()) << name;
        EXPECT_TRUE(LoadPicture(bytes, true).isNull()) << name;
    }

    // With the header size the fields it holds need, the same bitmap is read,
    // exactly as Qt reads it.
    QByteArray known = ReadFile(PAIRON_FUZZ_FINDINGS_DIR "/bmp-header-size-41.bmp");
    known[14] = 40;
    const QImage loaded = LoadPicture(known).toImage();
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), QImage::fromData(known).convertToFormat(QImage::Format_RGB32));
}

// A 24-bit bitmap whose every pixel differs from its neighbours, stored
// bottom-up as most writers do or top-down (a negative height), and the
// image it shows.
QByteArray Bitmap24(int width, int height, bool topDown) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    QByteArray b("BM");
    Put32(b, 54 + rowBytes * height);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 1, false);
    Put16(b, 24, false);
    for (int k = 0; k < 6; ++k) Put32(b, 0);
    for (int k = 0; k < height; ++k) {
        const int y = topDown ? k : height - 1 - k;
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(x * 7);
            row[3 * x + 1] = static_cast<char>(y * 13);
            row[3 * x + 2] = static_cast<char>(x + y);
        }
        b.append(row);
    }
    return b;
}

QImage Bitmap24Image(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb((x + y) & 0xFF, (y * 13) & 0xFF, (x * 7) & 0xFF));
    }
    return image;
}

QByteArray Jpeg(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// Each limit from both sides: what lies exactly on it is read, one step
// beyond is refused; bitmaps stored either way up; and the files other
// writers make, which the game's own pictures don't show.
TEST(PictureLoader, ReadsWhatLiesOnEachLimitAndRefusesOneStepBeyond) {
    const int side = kLargestPictureSide;
    struct Case {
        const char* what;
        QByteArray bytes;
        QSize size;  // empty where the file is refused
    };
    QByteArray rle = ReadFile(PAIRON_FUZZ_FINDINGS_DIR "/../seeds/rle8.bmp");
    rle.append(QByteArray(1078 + 12 * 9 - rle.size(), '\0'));  // as long as its rows would be uncompressed
    const Case cases[] = {
        {"bitmap as wide as the limit", Bitmap24(side, 1, false), {side, 1}},
        {"bitmap one wider", Bitmap24(side + 1, 1, false), {}},
        {"bitmap as high as the limit, stored top-down", Bitmap24(1, side, true), {1, side}},
        {"bitmap one higher, stored top-down", Bitmap24(1, side + 1, true), {}},
        {"bitmap one higher", Bitmap24(1, side + 1, false), {}},
        {"JPEG as wide as the limit", Jpeg(side, 8), {side, 8}},
        {"JPEG one wider", Jpeg(side + 1, 8), {}},
        {"JPEG one higher", Jpeg(8, side + 1), {}},
        {"JPEG padded with zeros after its end", Jpeg(8, 8) + QByteArray(100, '\0'), {8, 8}},
        {"run-length bitmap as long as its rows", rle, {}},
    };
    for (const Case& c : cases) {
        const QPixmap loaded = LoadPicture(c.bytes);
        EXPECT_EQ(loaded.isNull() ? QSize() : loaded.size(), c.size) << c.what;
    }
    for (bool topDown : {false, true}) {
        EXPECT_EQ(LoadPicture(Bitmap24(5, 4, topDown)).toImage().convertToFormat(QImage::Format_RGB32), Bitmap24Image(5, 4))
            << (topDown ? "top-down" : "bottom-up") << " bitmap upside down or garbled";
    }
    for (const char* seed : {"argb32.bmp", "mono.bmp", "os2.bmp", "pal4.bmp", "plain24.bmp", "rgb565.bmp",
                             "baseline.jpg", "gray.jpg", "progressive.jpg"}) {
        const QByteArray bytes = ReadFile(QString(PAIRON_FUZZ_FINDINGS_DIR "/../seeds/") + seed);
        const QImage loaded = LoadPicture(bytes).toImage();
        ASSERT_FALSE(loaded.isNull()) << seed;
        // Compared as the screen gets them: half-transparent pixels premultiplied.
        EXPECT_EQ(loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << seed;
    }

    // The byte cap: a file of exactly that many bytes is read, one more is not.
    QTemporaryDir folder;
    const QString path = folder.filePath("padded.jpg");
    for (qint64 size : {kLargestPictureFileBytes, kLargestPictureFileBytes + 1}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray jpeg = Jpeg(8, 8);
        file.write(jpeg);
        ASSERT_TRUE(file.resize(size));  // zeros after the end marker
        file.close();
        EXPECT_EQ(LoadPictureFile(path).isNull(), size > kLargestPictureFileBytes) << size << " bytes";
    }
}

TEST(PictureLoader, ShowsEveryPictureExactlyAsQtReadsIt) {
    for (const std::string& name : AllPictureFiles()) {
        const QString path = Folder() + "/" + QString::fromStdString(name);
        const QImage loaded = LoadPictureFile(path).toImage();
        const QImage reference(path);
        ASSERT_FALSE(reference.isNull()) << name;
        EXPECT_EQ(loaded.size(), reference.size()) << name;
        EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), reference.convertToFormat(QImage::Format_RGB32)) << name;
    }
}

}  // namespace
}  // namespace pairon
