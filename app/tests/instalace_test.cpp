// The installed program: the build is installed into a temporary DESTDIR once, and the program
// installed there is started offscreen as a learner would start it from the menu, with an empty
// home and an empty current directory. The program reports every modal window it opens and
// answers it (ZEBROVKA_ZKOUSKA_STARTU): the profile manager is closed and the end of the program
// confirmed, so each start ends by itself.
#include "profiles/ProfilovySklad.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace {

QByteArray Obsah(const QString& soubor)
{
    QFile f(soubor);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(nelze přečíst)");
}

void Zapis(const QString& soubor, const QByteArray& obsah)
{
    QDir().mkpath(QFileInfo(soubor).path());
    QFile f(soubor);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(obsah);
}

void Zestarni(const QString& soubor)
{
    QFile f(soubor);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(12, 0)),
                              QFileDevice::FileModificationTime));
}

struct Beh {
    int status = -1;
    QString vystup;
};

Beh Spust(const QString& program, const QStringList& argumenty,
          const QProcessEnvironment& prostredi = {}, const QString& adresar = {})
{
    QProcess p;
    if (!prostredi.isEmpty())
        p.setProcessEnvironment(prostredi);
    if (!adresar.isEmpty())
        p.setWorkingDirectory(adresar);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {-2, QString::fromUtf8(p.readAll()) + QStringLiteral("\n(nedoběhl)")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -3,
            QString::fromUtf8(p.readAll())};
}

class Instalace : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        koren_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(koren_->isValid());
        auto prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(QStringLiteral("DESTDIR"), Destdir());
        const Beh instalace =
            Spust(QStringLiteral(ZK_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(ZK_BUILD_DIR)}, prostredi);
        ASSERT_EQ(instalace.status, 0) << instalace.vystup.toStdString();
    }
    static void TearDownTestSuite() { koren_.reset(); }

    static QString Destdir() { return koren_->filePath(QStringLiteral("koren")); }
    static QString Prefix() { return Destdir() + QStringLiteral(ZK_PREFIX); }
    static QString Data() { return Prefix() + QStringLiteral("/" ZK_DATADIR); }
    static QString Program() { return Prefix() + QStringLiteral("/" ZK_BINDIR "/zebrovka"); }
    static QString Banka() { return Data() + QStringLiteral("/zebrovka"); }

    // A learner's first world: an empty home, its data folder and an empty current directory.
    void SetUp() override
    {
        domov_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(domov_->isValid());
        QDir(domov_->path()).mkpath(QStringLiteral("home"));
        QDir(domov_->path()).mkpath(QStringLiteral("prazdny"));
    }
    QString Domov() const { return domov_->filePath(QStringLiteral("home")); }
    QString Prazdny() const { return domov_->filePath(QStringLiteral("prazdny")); }
    QString Uzivatelska() const { return Domov() + QStringLiteral("/.local/share/zebrovka"); }

    Beh Start(const QString& adresar, const QString& zebrovkaData = {},
              const std::pair<QString, QString>& navic = {}) const
    {
        QProcessEnvironment p;
        for (const char* jmeno : {"PATH", "LANG", "LC_ALL"})
            if (qEnvironmentVariableIsSet(jmeno))
                p.insert(QLatin1String(jmeno), qEnvironmentVariable(jmeno));
        p.insert(QStringLiteral("HOME"), Domov());
        p.insert(QStringLiteral("XDG_DATA_HOME"), Domov() + QStringLiteral("/.local/share"));
        p.insert(QStringLiteral("XDG_CONFIG_HOME"), Domov() + QStringLiteral("/.config"));
        p.insert(QStringLiteral("XDG_RUNTIME_DIR"), domov_->path());
        p.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.insert(QStringLiteral("ZEBROVKA_ZKOUSKA_STARTU"), QStringLiteral("1"));
        if (!zebrovkaData.isEmpty())
            p.insert(QStringLiteral("ZEBROVKA_DATA"), zebrovkaData);
        if (!navic.first.isEmpty())
            p.insert(navic.first, navic.second);
        return Spust(Program(), {}, p, adresar);
    }

private:
    static inline std::unique_ptr<QTemporaryDir> koren_;
    std::unique_ptr<QTemporaryDir> domov_;
};

// Everything a prepared data folder holds, compared with the installed bank.
void OcekavejPripravenou(const QString& slozka, const QString& banka)
{
    // The pictures' sharper twins for screens that scale come along with them.
    for (const char* soubor :
         {"otazky.DB", "otazky.MB", "oblasti.DB", "grafika/yes.jpg", "grafika/ikona.png",
          "grafika/yes@2x.jpg", "grafika/znacky/A10@4x.jpg", "grafika/situace/721@2x.jpg"}) {
        const QString nainstalovany = banka + QLatin1Char('/') + QLatin1String(soubor);
        EXPECT_TRUE(QFile::exists(nainstalovany)) << soubor << " chybí v instalaci";
        EXPECT_EQ(Obsah(slozka + QLatin1Char('/') + QLatin1String(soubor)), Obsah(nainstalovany))
            << soubor;
    }
    EXPECT_TRUE(QFile::exists(slozka + QStringLiteral("/Profily.DB")));
}

TEST_F(Instalace, DaJenProgramDataPolozkuNabidkyAIkony)
{
    QStringList soubory;
    for (QDirIterator it(Destdir(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        soubory << it.next().mid(Prefix().size() + 1);
    const QString data = QStringLiteral(ZK_DATADIR "/");
    const QStringList povolene = {QStringLiteral(ZK_KNIHOVNY "/zebrovka-grafy.so"),
                                  QStringLiteral(ZK_KNIHOVNY "/zebrovka-hlas.so"),
                                  QStringLiteral(ZK_KNIHOVNY "/zebrovka-sceny.so"),
                                  data + QStringLiteral("zebrovka/"),
                                  data + QStringLiteral("applications/"),
                                  data + QStringLiteral("metainfo/"),
                                  data + QStringLiteral("icons/hicolor/")};
    for (const QString& s : soubory) {
        const bool povoleny = s == QStringLiteral(ZK_BINDIR "/zebrovka")
            || std::any_of(povolene.begin(), povolene.end(),
                           [&](const QString& p) { return s.startsWith(p); });
        EXPECT_TRUE(povoleny) << s.toStdString();
    }
    for (const QString& s :
         {QStringLiteral(ZK_BINDIR "/zebrovka"), data + QStringLiteral("zebrovka/otazky.DB"),
          data + QStringLiteral("zebrovka/otazky.MB"),
          data + QStringLiteral("zebrovka/grafika/no.jpg"),
          data + QStringLiteral("zebrovka/Help/index.htm"),
          data + QStringLiteral("applications/cz.zebrovka.Zebrovka.desktop"),
          data + QStringLiteral("metainfo/cz.zebrovka.Zebrovka.metainfo.xml"),
          data + QStringLiteral("icons/hicolor/scalable/apps/cz.zebrovka.Zebrovka.svg")})
        EXPECT_TRUE(soubory.contains(s)) << s.toStdString();
    EXPECT_TRUE(soubory.contains(data + QStringLiteral("zebrovka/oblasti.DB")));

    for (const int n : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage ikona(
            Data() + QStringLiteral("/icons/hicolor/%1x%1/apps/cz.zebrovka.Zebrovka.png").arg(n));
        EXPECT_EQ(ikona.size(), QSize(n, n)) << n;
        EXPECT_TRUE(ikona.hasAlphaChannel()) << n;
        EXPECT_EQ(qAlpha(ikona.pixel(0, 0)), 0) << n;  // a transparent corner
        EXPECT_EQ(qAlpha(ikona.pixel(n / 2, n / 2)), 255) << n;  // the crossing itself
    }
}

TEST_F(Instalace, PolozkaNabidkyAMetadataProjdouKontrolou)
{
    const QString polozka = Data() + QStringLiteral("/applications/cz.zebrovka.Zebrovka.desktop");
    const Beh desktop = Spust(QStringLiteral(ZK_DESKTOP_FILE_VALIDATE), {polozka});
    EXPECT_EQ(desktop.status, 0);
    EXPECT_EQ(desktop.vystup.trimmed(), QString());
    EXPECT_TRUE(Obsah(polozka).contains("\nIcon=cz.zebrovka.Zebrovka\n"));
    EXPECT_TRUE(Obsah(polozka).contains("\nExec=zebrovka\n"));

    const QString metainfo = Data() + QStringLiteral("/metainfo/cz.zebrovka.Zebrovka.metainfo.xml");
    const Beh appstream = Spust(QStringLiteral(ZK_APPSTREAMCLI),
                                {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    EXPECT_EQ(appstream.status, 0) << appstream.vystup.toStdString();
    EXPECT_TRUE(appstream.vystup.contains(QStringLiteral("Validation was successful")))
        << appstream.vystup.toStdString();
    EXPECT_FALSE(appstream.vystup.contains(
        QRegularExpression(QStringLiteral("^[EWI]:"), QRegularExpression::MultilineOption)))
        << appstream.vystup.toStdString();

    // The release is this version; every screenshot is a picture shipped with the help.
    const QString xml = QString::fromUtf8(Obsah(metainfo));
    EXPECT_TRUE(xml.contains(QStringLiteral("<release version=\"" ZK_VERZE "\""))) << ZK_VERZE;
    const QRegularExpression obrazek(QStringLiteral("<image>[^<]*/obrazky/([^<]+)</image>"));
    int snimku = 0;
    for (auto it = obrazek.globalMatch(xml); it.hasNext(); ++snimku) {
        const QString jmeno = it.next().captured(1);
        EXPECT_FALSE(QImage(Banka() + QStringLiteral("/Help/obrazky/") + jmeno).isNull())
            << jmeno.toStdString();
    }
    EXPECT_GE(snimku, 3);
}

TEST_F(Instalace, StartZPrazdnehoDomovaPripraviSlozkuAZachovaDataUzivatele)
{
    // First start: the per-user folder is made from the installed bank.
    Beh beh = Start(Prazdny());
    ASSERT_EQ(beh.status, 0) << beh.vystup.toStdString();
    EXPECT_TRUE(beh.vystup.contains(QStringLiteral("okno: TManazerUzivatelu\n")))
        << beh.vystup.toStdString();
    OcekavejPripravenou(Uzivatelska(), Banka());
    EXPECT_TRUE(QDir(Prazdny()).isEmpty());

    // A profile made after it is offered by the second start.
    {
        ProfilovySklad sklad(Uzivatelska().toStdString());
        sklad.PridatProfil("Jana Nováková", "1111111", "B", "111", "11", "1", "");
    }
    beh = Start(Prazdny());
    ASSERT_EQ(beh.status, 0) << beh.vystup.toStdString();
    EXPECT_TRUE(beh.vystup.contains(QStringLiteral("polozka: Jana Nováková\n")))
        << beh.vystup.toStdString();

    // An older copy of the bank (and of a picture) is replaced; a newer one (a learner's own
    // picture) stays; the learner's tables stay as they were.
    Zapis(Uzivatelska() + QStringLiteral("/otazky.DB"), "stara banka");
    Zestarni(Uzivatelska() + QStringLiteral("/otazky.DB"));
    Zapis(Uzivatelska() + QStringLiteral("/grafika/yes.jpg"), "stary obrazek");
    Zestarni(Uzivatelska() + QStringLiteral("/grafika/yes.jpg"));
    Zapis(Uzivatelska() + QStringLiteral("/grafika/no.jpg"), "novejsi obrazek");
    const QByteArray profily = Obsah(Uzivatelska() + QStringLiteral("/Profily.DB"));
    beh = Start(Prazdny());
    ASSERT_EQ(beh.status, 0) << beh.vystup.toStdString();
    EXPECT_TRUE(beh.vystup.contains(QStringLiteral("polozka: Jana Nováková\n")))
        << beh.vystup.toStdString();
    EXPECT_EQ(Obsah(Uzivatelska() + QStringLiteral("/otazky.DB")),
              Obsah(Banka() + QStringLiteral("/otazky.DB")));
    EXPECT_EQ(Obsah(Uzivatelska() + QStringLiteral("/grafika/yes.jpg")),
              Obsah(Banka() + QStringLiteral("/grafika/yes.jpg")));
    EXPECT_EQ(Obsah(Uzivatelska() + QStringLiteral("/grafika/no.jpg")),
              QByteArray("novejsi obrazek"));
    EXPECT_EQ(Obsah(Uzivatelska() + QStringLiteral("/Profily.DB")), profily);
}

// The start up to the profile manager loads neither Qt Charts, Qt PrintSupport, Qt TextToSpeech,
// yaml-cpp nor libsodium (the dynamic linker lists every library it loads); each module lies
// where the program looks for it and offers its interface.
TEST_F(Instalace, StartNenaciteModulyAniSodium_ModulySeNajdou)
{
    const Beh beh = Start(Prazdny(), {}, {QStringLiteral("LD_DEBUG"), QStringLiteral("files")});
    ASSERT_EQ(beh.status, 0) << beh.vystup.toStdString();
    ASSERT_TRUE(beh.vystup.contains(QStringLiteral("okno: TManazerUzivatelu\n")));
    const QRegularExpression nactena(QStringLiteral("file=(\\S+) +\\[0\\]; +(needed|dynamically)"));
    QStringList knihovny;
    for (auto it = nactena.globalMatch(beh.vystup); it.hasNext();)
        knihovny << it.next().captured(1);
    EXPECT_TRUE(knihovny.contains(QStringLiteral("libQt6Widgets.so.6")))
        << beh.vystup.left(2000).toStdString();
    for (const QString& k : knihovny)
        for (const char* jmeno : {"Charts", "PrintSupport", "TextToSpeech", "yaml-cpp", "sodium",
                                  "zebrovka-grafy", "zebrovka-hlas", "zebrovka-sceny"})
            EXPECT_FALSE(k.contains(QLatin1String(jmeno))) << k.toStdString();

    const struct {
        const char* soubor;
        const char* rozhrani;
    } moduly[] = {{"zebrovka-grafy.so", "cz.zebrovka.KnihovnaGrafu/1"},
                  {"zebrovka-hlas.so", "cz.zebrovka.KnihovnaHlasu/1"},
                  {"zebrovka-sceny.so", "cz.zebrovka.KnihovnaScen/1"}};
    for (const auto& m : moduly) {
        const QString modul = QDir::cleanPath(QFileInfo(Program()).path()
                                              + QStringLiteral("/" ZK_KNIHOVNY_RELATIVNE "/")
                                              + QLatin1String(m.soubor));
        EXPECT_EQ(modul, Prefix() + QStringLiteral("/" ZK_KNIHOVNY "/") + QLatin1String(m.soubor));
        QPluginLoader zavadec(modul);
        EXPECT_EQ(zavadec.metaData().value(QStringLiteral("IID")).toString(),
                  QLatin1String(m.rozhrani));
        EXPECT_TRUE(zavadec.load()) << zavadec.errorString().toStdString();
        zavadec.unload();
    }
}

TEST_F(Instalace, PracovniAdresarSBankouAZebrovkaDataMajiPrednost_ChybaSlozkySeOhlasi)
{
    // A current directory that holds the bank is the working directory, as before.
    const QString vlastni = Prazdny() + QStringLiteral("/vlastni");
    QDir().mkpath(vlastni);
    ASSERT_TRUE(QFile::copy(Banka() + QStringLiteral("/otazky.DB"),
                            vlastni + QStringLiteral("/otazky.DB")));
    Beh beh = Start(vlastni);
    ASSERT_EQ(beh.status, 0) << beh.vystup.toStdString();
    EXPECT_TRUE(QFile::exists(vlastni + QStringLiteral("/Profily.DB")));
    EXPECT_FALSE(QFile::exists(Uzivatelska()));

    // ZEBROVKA_DATA names the per-user folder.
    const QString jinde = Prazdny() + QStringLiteral("/jinde");
    beh = Start(Domov(), jinde);
    ASSERT_EQ(beh.status, 0) << beh.vystup.toStdString();
    EXPECT_TRUE(beh.vystup.contains(QStringLiteral("okno: TManazerUzivatelu\n")))
        << beh.vystup.toStdString();
    OcekavejPripravenou(jinde, Banka());
    EXPECT_FALSE(QFile::exists(Uzivatelska()));

    // A folder that cannot be made: an error box names it, and the program ends.
    Zapis(Prazdny() + QStringLiteral("/soubor"), "tady nemuze byt slozka");
    const QString nelze = Prazdny() + QStringLiteral("/soubor/zebrovka");
    beh = Start(Domov(), nelze);
    EXPECT_EQ(beh.status, 1) << beh.vystup.toStdString();
    EXPECT_TRUE(beh.vystup.contains(
        QStringLiteral("text: Složku s daty programu %1 nelze připravit.").arg(nelze)))
        << beh.vystup.toStdString();
}

}  // namespace
