#include "model/cirlibset.h"
#include "model/crs232libset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

void WriteRaw(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

std::string ReadRaw(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    const QByteArray a = f.readAll();
    return std::string(a.constData(), static_cast<size_t>(a.size()));
}

CRS232LibFun PowerOn() {
    CRS232LibFun f;
    f.m_strName = "PWR";
    f.m_strBaud = "9600";
    f.m_strDataBits = "8";
    f.m_strStopBits = "1";
    f.m_strParity = "NONE";
    f.m_nFormat = 0;
    f.m_nEndChar = 1;
    f.m_nLength = 5;
    const char data[] = "PWON\r";
    for (int i = 0; i < 5; ++i)
        f.m_data[i] = static_cast<uint8_t>(data[i]);
    return f;
}

// Makes file writes beyond `limit` bytes fail (EFBIG instead of SIGXFSZ)
// for its lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_old;
        r.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

class CodeLibraryFiles : public ::testing::Test {
protected:
    QString Path(const char* name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CodeLibraryFiles, IrLibraryHasTheArchiveLayout) {
    CIrLibSet lib;
    lib.m_strName = "TV";
    lib.m_arrFunctions = {"Power : 0102"};
    ASSERT_TRUE(lib.SaveToFile(Path("tv.irr")));
    EXPECT_EQ(ReadRaw(Path("tv.irr")), Bytes({0x02, 'T', 'V', 0x01, 0x00, 0x0C}) + "Power : 0102");

    // A name of 300 bytes takes the 0xFF prefix with a 2-byte length (0x012C).
    lib.m_strName = std::string(300, 'n');
    lib.m_arrFunctions.clear();
    ASSERT_TRUE(lib.SaveToFile(Path("long.irr")));
    EXPECT_EQ(ReadRaw(Path("long.irr")), Bytes({0xFF, 0x2C, 0x01}) + std::string(300, 'n') + Bytes({0, 0}));
}

TEST_F(CodeLibraryFiles, Rs232LibraryHasTheArchiveLayout) {
    CRS232LibSet lib;
    lib.m_strName = "A";
    lib.m_nCount = 7; // saving sets the count from the array
    ASSERT_TRUE(lib.SaveToFile(Path("a.rss")));
    EXPECT_EQ(ReadRaw(Path("a.rss")), Bytes({0x01, 'A', 0, 0, 0, 0}));
    EXPECT_EQ(lib.m_nCount, 0);

    lib.m_arrFunctions = {PowerOn()};
    ASSERT_TRUE(lib.SaveToFile(Path("a.rss")));
    const std::string expected = Bytes({0x01, 'A', 0x01, 0, 0, 0}) +              // name, count 1
                                 Bytes({0x03}) + "PWR" + Bytes({0x04}) + "9600" + // name, baud
                                 Bytes({0x01}) + "8" + Bytes({0x01}) + "1" +      // data bits, stop bits
                                 Bytes({0x04}) + "NONE" +                         // parity
                                 Bytes({0, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0}) +    // format, end, length
                                 "PWON\r" + std::string(28, '\0');                // 33 data bytes
    EXPECT_EQ(ReadRaw(Path("a.rss")), expected);
    EXPECT_EQ(expected.size(), 6u + 4 + 5 + 2 + 2 + 5 + 12 + 33);
    EXPECT_EQ(lib.m_nCount, 1);
}

TEST_F(CodeLibraryFiles, LibrariesSurviveARoundTrip) {
    CIrLibSet ir;
    ir.m_strName = "\xB5\xE7\xCA\xD3"; // two double-byte characters
    ir.m_arrFunctions = {"Power : 0102", std::string(198, 'a'), "", std::string(70000, 'x')};
    ASSERT_TRUE(ir.SaveToFile(Path("x.irr")));
    CIrLibSet irBack;
    ASSERT_TRUE(irBack.LoadFromFile(Path("x.irr")));
    EXPECT_EQ(irBack, ir);

    CRS232LibSet rs;
    rs.m_strName = "Projector";
    CRS232LibFun hex;
    hex.m_strName = "Hex";
    hex.m_nFormat = 1;
    hex.m_nLength = 33;
    for (int i = 0; i < kRs232DataSize; ++i)
        hex.m_data[i] = static_cast<uint8_t>(0xFF - i);
    rs.m_arrFunctions = {PowerOn(), hex, CRS232LibFun()};
    ASSERT_TRUE(rs.SaveToFile(Path("x.rss")));
    CRS232LibSet rsBack;
    rsBack.m_strName = "old";
    ASSERT_TRUE(rsBack.LoadFromFile(Path("x.rss")));
    EXPECT_EQ(rsBack, rs);
    EXPECT_EQ(rsBack.m_nCount, 3);
}

TEST_F(CodeLibraryFiles, EveryTruncationIsRejectedAndLeavesTheLibraryAlone) {
    CIrLibSet ir;
    ir.m_strName = "TV";
    ir.m_arrFunctions = {"Power : 0102", "Mute : 0A0B"};
    ASSERT_TRUE(ir.SaveToFile(Path("full.irr")));
    const std::string irBytes = ReadRaw(Path("full.irr"));

    CRS232LibSet rs;
    rs.m_strName = "AV";
    rs.m_arrFunctions = {PowerOn(), PowerOn()};
    ASSERT_TRUE(rs.SaveToFile(Path("full.rss")));
    const std::string rsBytes = ReadRaw(Path("full.rss"));

    CIrLibSet irOld;
    irOld.m_strName = "keep";
    irOld.m_arrFunctions = {"A : 01"};
    CRS232LibSet rsOld;
    rsOld.m_strName = "keep";
    rsOld.m_nCount = 1;
    rsOld.m_arrFunctions = {PowerOn()};

    for (size_t n = 0; n < irBytes.size(); ++n) {
        WriteRaw(Path("cut.irr"), irBytes.substr(0, n));
        CIrLibSet lib = irOld;
        EXPECT_THROW(lib.LoadFromFile(Path("cut.irr")), CArchiveException) << "cut at " << n;
        EXPECT_EQ(lib, irOld) << "cut at " << n;
    }
    for (size_t n = 0; n < rsBytes.size(); ++n) {
        WriteRaw(Path("cut.rss"), rsBytes.substr(0, n));
        CRS232LibSet lib = rsOld;
        EXPECT_THROW(lib.LoadFromFile(Path("cut.rss")), CArchiveException) << "cut at " << n;
        EXPECT_EQ(lib, rsOld) << "cut at " << n;
    }
}

TEST_F(CodeLibraryFiles, DamagedCountsAreRejected) {
    const std::string record = Bytes({0, 0, 0, 0, 0}) + std::string(12 + 33, '\0');
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"count 3, two records", Bytes({0x01, 'A', 3, 0, 0, 0}) + record + record},
        {"huge count", Bytes({0x01, 'A', 0xFF, 0xFF, 0xFF, 0x7F}) + record},
        {"negative count", Bytes({0x01, 'A', 0xFF, 0xFF, 0xFF, 0xFF})},
        {"string longer than the file", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'A'})},
    };
    for (const Case& c : cases) {
        WriteRaw(Path("bad.rss"), c.bytes);
        CRS232LibSet lib;
        lib.m_strName = "keep";
        EXPECT_THROW(lib.LoadFromFile(Path("bad.rss")), CArchiveException) << c.what;
        EXPECT_EQ(lib.m_strName, "keep") << c.what;
        EXPECT_TRUE(lib.m_arrFunctions.empty()) << c.what;
    }
    // An IR entry count far beyond the bytes left.
    WriteRaw(Path("bad.irr"), Bytes({0x01, 'A', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F, 0x01, 'x'}));
    CIrLibSet ir;
    EXPECT_THROW(ir.LoadFromFile(Path("bad.irr")), CArchiveException);
}

TEST_F(CodeLibraryFiles, MissingFilesAndEmptyPathsLoadNothing) {
    CIrLibSet ir;
    ir.m_strName = "keep";
    EXPECT_FALSE(ir.LoadFromFile(QString()));
    EXPECT_FALSE(ir.LoadFromFile(Path("none.irr")));
    EXPECT_EQ(ir.m_strName, "keep");
    CRS232LibSet rs;
    EXPECT_FALSE(rs.LoadFromFile(QString()));
    EXPECT_FALSE(rs.LoadFromFile(Path("none.rss")));
    EXPECT_FALSE(rs.SaveToFile(m_dir.filePath("no/such/folder/x.rss")));
}

TEST_F(CodeLibraryFiles, AFailedWriteLeavesTheOldFileWhole) {
    CIrLibSet ir;
    ir.m_strName = "TV";
    ir.m_arrFunctions = {"Power : 0102"};
    ASSERT_TRUE(ir.SaveToFile(Path("tv.irr")));
    CRS232LibSet rs;
    rs.m_strName = "A";
    ASSERT_TRUE(rs.SaveToFile(Path("a.rss")));
    const std::string oldIr = ReadRaw(Path("tv.irr"));
    const std::string oldRs = ReadRaw(Path("a.rss"));

    ir.m_arrFunctions.assign(200, std::string(100, 'c'));
    rs.m_arrFunctions.assign(200, PowerOn());
    {
        FileSizeLimit limit(4096); // both new files are far larger
        EXPECT_FALSE(ir.SaveToFile(Path("tv.irr")));
        EXPECT_FALSE(rs.SaveToFile(Path("a.rss")));
    }
    EXPECT_EQ(ReadRaw(Path("tv.irr")), oldIr);
    EXPECT_EQ(ReadRaw(Path("a.rss")), oldRs);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

TEST(IrLibrary, FindsFunctionsByTheirTrimmedName) {
    CIrLibSet lib;
    lib.m_arrFunctions = {"power : 01", "Power", ": Power", " Power :x", "Power : 0102", "Power: 03"};
    EXPECT_EQ(lib.FindFunction("Power"), 3);
    EXPECT_EQ(lib.FindFunction("power"), 0);
    EXPECT_EQ(lib.FindFunction("Mute"), -1);
    EXPECT_EQ(lib.FindFunction(""), -1);

    EXPECT_EQ(lib.GetFunctionName(0), "power");
    EXPECT_EQ(lib.GetFunctionName(1), "");
    EXPECT_EQ(lib.GetFunctionName(2), "");
    EXPECT_EQ(lib.GetFunctionName(3), "Power");
    EXPECT_EQ(lib.GetFunctionName(-1), "");
    EXPECT_EQ(lib.GetFunctionName(6), "");

    EXPECT_EQ(lib.GetEntry(3), " Power :x");
    EXPECT_EQ(lib.GetEntry(-1), "");
    EXPECT_EQ(lib.GetEntry(6), "");
}

TEST(Rs232Library, FindsAndCopiesFunctionsByExactName) {
    CRS232LibSet lib;
    CRS232LibFun a = PowerOn();
    CRS232LibFun b = PowerOn();
    b.m_strName = "PWR ";
    b.m_data[32] = 0x7E;
    lib.m_arrFunctions = {b, a};
    EXPECT_EQ(lib.FindFunction("PWR"), 1);
    EXPECT_EQ(lib.FindFunction("PWR "), 0);
    EXPECT_EQ(lib.FindFunction("pwr"), -1);

    const CRS232LibFun copy = lib.GetFunction("PWR ");
    EXPECT_EQ(copy.m_data[32], 0x7E);
    EXPECT_EQ(copy.m_data[4], '\r');
    EXPECT_EQ(copy.m_nLength, 5);
    EXPECT_EQ(copy.m_strParity, "NONE");

    const CRS232LibFun none = lib.GetFunction("x");
    EXPECT_EQ(none.m_strName, "");
    EXPECT_EQ(none.m_nLength, 0);
    EXPECT_EQ(none.m_data, (std::array<uint8_t, 33>{}));
}

TEST(Rs232Function, DataTextShowsAsciiWithoutEndBytesAndHexWithBlanks) {
    CRS232LibFun f = PowerOn();
    EXPECT_EQ(f.GetDataText(), "PWON");
    f.m_nEndChar = 2;
    EXPECT_EQ(f.GetDataText(), "PWO");
    f.m_nEndChar = 0;
    EXPECT_EQ(f.GetDataText(), "PWON\r");
    f.m_nLength = 1;
    f.m_nEndChar = 2;
    EXPECT_EQ(f.GetDataText(), "");

    CRS232LibFun h;
    h.m_nFormat = 1;
    h.m_nLength = 2;
    h.m_data[0] = 0x0A;
    h.m_data[1] = 0xFF;
    EXPECT_EQ(h.GetDataText(), "0a ff");
    h.m_nLength = 0;
    EXPECT_EQ(h.GetDataText(), "");
}

TEST(Rs232Function, DataTextStaysWithinTheThirtyThreeBytes) {
    CRS232LibFun h;
    h.m_nFormat = 1;
    h.m_nLength = 1000;
    h.m_data.fill(0x41);
    std::string expected = "41";
    for (int i = 1; i < 33; ++i)
        expected += " 41";
    EXPECT_EQ(h.GetDataText(), expected);
    h.m_nLength = -5;
    EXPECT_EQ(h.GetDataText(), "");

    CRS232LibFun a;
    a.m_data.fill('Z'); // no 0 byte at all
    a.m_nLength = 100;
    EXPECT_EQ(a.GetDataText(), std::string(33, 'Z'));
    a.m_nLength = -1;
    EXPECT_EQ(a.GetDataText(), "");
    // The lengths of a damaged file, with the end bytes taken off.
    for (int end : {1, 2}) {
        a.m_nEndChar = end;
        a.m_nLength = std::numeric_limits<int>::min();
        EXPECT_EQ(a.GetDataText(), "") << end;
        a.m_nLength = std::numeric_limits<int>::max();
        EXPECT_EQ(a.GetDataText(), std::string(33, 'Z')) << end;
    }
}
