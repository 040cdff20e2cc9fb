// Signed update packs: every refusal leaves every table as it was, versions
// only move forward, and the signature files agree with the stock minisign
// tool both ways. The key and signature readers are fuzzed.
#include "catalogue/PackSignature.h"
#include "catalogue/PublisherKey.h"
#include "catalogue/SignedPack.h"
#include "support/SignedPacks.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <random>

#include <sodium.h>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// Every table of the file, the schema's own list included.
QStringList dumpAll(const TempProgram& p)
{
    QStringList out = joinedRows(p, u"select type, name, sql from sqlite_master order by name"_s);
    for (const auto& t : p.rows(u"select name from sqlite_master where type = 'table' order by name"_s))
        out << joinedRows(p, u"select * from \"%1\" order by 1"_s.arg(t[0]));
    return out;
}

QString writePack(const QString& dir, const QString& name, qint64 id)
{
    UpdatePack::Act a{id,
                      u"Legea nr. %1/2026"_s.arg(id),
                      u"2026"_s,
                      u"01-12-2026"_s,
                      u"9"_s,
                      u"parlamentul"_s,
                      u"lege"_s,
                      u"Art. 1."_s,
                      QString::number(id),
                      0};
    const QString path = dir + u"/"_s + name;
    UpdatePack::writeFile(path, (UpdatePack::actStatement(a) + u";\n"_s).toUtf8());
    return path;
}

void patch(const QString& path, const QByteArray& from, const QByteArray& to)
{
    writeBytes(path, readBytes(path).replace(from, to));
}

} // namespace

class SignedPacksTest : public QObject {
    Q_OBJECT

private slots:
    void versionIsTheFirstDateWordOfTheTrustedComment()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"Catalogul Tarvenor, versiunea 2026.12.07", "2026.12.07"},
            {"versiunea (2026.12.07). Editia 2027.01.01", "2026.12.07"},
            {"Catalogul 2026.02.30 refacut 2026.03.01", ""}, // no such day
            {"timestamp:1765000000 file:pack.sql.gz hashed", ""},
            {"v2026.12.07 2026.1.7 26.12.07", ""},
        };
        for (const auto& [comment, version] : cases)
            QCOMPARE(SignedPack::versionIn(QString::fromUtf8(comment)), QString::fromLatin1(version));
    }

    void everyRefusalLeavesEveryTableAsItWas()
    {
        FormFixture f(true);
        const QString dir = f.program.dir(), keys = dir + u"/db/trusted-keys"_s;
        const QByteArray trusted = readBytes(keys);
        // The first signed update of a catalogue made before versions were kept.
        f.program.exec(u"drop table versiune_catalog"_s);
        const QString old = writePack(dir, u"vechi.sql"_s, 200), other = writePack(dir, u"altul.sql"_s, 201);
        signPack(old, versionComment(u"2026.11.30"_s));
        signPack(other);
        PublisherKey::SecretKey stranger; // a key of its own, id 0
        unsigned char strangerPublic[32];
        crypto_sign_keypair(strangerPublic, stranger.key.data());

        using Spoil = std::function<void(const QString& pack, const QString& sig)>;
        const std::pair<const char*, Spoil> cases[] = {
            {"nu corespunde pachetului", [](auto p, auto) { patch(p, "Art. 1.", "Art. 2."); }},
            {"comentariul de incredere al semnaturii a fost modificat",
             [](auto, auto s) { patch(s, "2026.12.07", "2026.12.08"); }},
            {"nu este in lista editorilor",
             [&](auto p, auto s) { writeBytes(s, PublisherKey::sign(stranger, readBytes(p), versionComment())); }},
            {"lipseste fisierul de semnatura", [](auto, auto s) { QFile::remove(s); }},
            {"nu corespunde pachetului", [&](auto, auto s) { writeBytes(s, readBytes(other + u".minisig"_s)); }},
            {"deteriorat", [](auto, auto s) { writeBytes(s, readBytes(s).chopped(30)); }},
            {"deteriorat", [](auto, auto s) { writeBytes(s, QByteArray(300, '\x91')); }},
            {"nu arata versiunea", [](auto p, auto) { signPack(p, "Catalogul Tarvenor, decembrie"); }},
            {"nu contine nicio cheie", [&](auto, auto) { writeBytes(keys, "# nimeni\n\n"); }},
            {"este deteriorata", [&](auto, auto) { writeBytes(keys, trusted + "RWSdIqiKL5E+10ji\n"); }},
            {"lipseste lista", [&](auto, auto) { QFile::remove(keys); }},
        };
        const QStringList before = dumpAll(f.program);
        for (const auto& [reason, spoil] : cases) {
            const QString p = writePack(dir, u"p.sql"_s, 300);
            signPack(p);
            writeBytes(keys, trusted);
            spoil(p, p + u".minisig"_s);
            f.dialogs.messages.clear();
            f.form().ImportUpdatePack(p);
            const QString m = f.dialogs.messages.value(0);
            QVERIFY2(m.startsWith(u"Pachetul de actualizare nu este semnat de un editor de incredere.\r"_s) &&
                         m.contains(QLatin1String(reason)) && m.count(u'\r') == 1,
                     qPrintable(m));
            QCOMPARE(dumpAll(f.program), before);
        }

        // The first good pack adds the version table, as the schema makes it.
        writeBytes(keys, trusted);
        f.form().ImportUpdatePack(old);
        QVERIFY(f.dialogs.messages.last().endsWith(u"versiunea 2026.11.30.\rDe la editor: "_s +
                                                   QString::fromUtf8(versionComment(u"2026.11.30"_s))));
        TempProgram fresh;
        const QString columns = u"select name, type, \"notnull\", pk from pragma_table_info('versiune_catalog')"_s;
        QCOMPARE(joinedRows(f.program, columns), joinedRows(fresh, columns));
        // Equal or older versions are refused; a newer one lands.
        const QStringList applied = dumpAll(f.program);
        const QString older = writePack(dir, u"mai-vechi.sql"_s, 202);
        signPack(older, versionComment(u"2026.10.01"_s));
        f.dialogs.messages.clear();
        for (const QString& p : {old, older}) {
            f.form().ImportUpdatePack(p);
            QVERIFY(f.dialogs.messages.last().startsWith(u"Catalogul este deja la zi fata de acest pachet.\r"_s));
        }
        QCOMPARE(dumpAll(f.program), applied);
        f.form().ImportUpdatePack(other);
        QCOMPARE(f.program.scalar(u"select group_concat(versiune) from versiune_catalog"_s),
                 u"2026.11.30,2026.12.07"_s);
    }

    // Keys made and packs signed by the stock tool, hashed and legacy, apply;
    // what our tool signs (with a password-protected key too) it verifies.
    void agreesWithTheStockTool()
    {
        const QString minisign = QStandardPaths::findExecutable(u"minisign"_s);
        QVERIFY2(!minisign.isEmpty(), "scripts/setup.sh installs minisign");
        FormFixture f(true);
        const QString dir = f.program.dir(), key = dir + u"/k.key"_s;
        QCOMPARE(QProcess::execute(minisign, {u"-G"_s, u"-W"_s, u"-p"_s, dir + u"/k.pub"_s, u"-s"_s, key}), 0);
        writeBytes(dir + u"/db/trusted-keys"_s,
                   readBytes(dir + u"/db/trusted-keys"_s) + readBytes(dir + u"/k.pub"_s).split('\n').value(1));
        const std::pair<QString, bool> signings[] = {{u"2026.12.08"_s, false}, {u"2026.12.09"_s, true}};
        for (const auto& [version, legacy] : signings) {
            const QString p = writePack(dir, version + u".sql.gz"_s, 400 + legacy);
            QStringList args{u"-S"_s, u"-W"_s, u"-s"_s, key,
                             u"-m"_s, p,       u"-t"_s, u"Editorul X, versiunea "_s + version};
            QCOMPARE(QProcess::execute(minisign, legacy ? args << u"-l"_s : args), 0);
            f.form().ImportUpdatePack(p);
            QVERIFY(f.dialogs.messages.last().contains(u"versiunea "_s + version + u"."_s));
        }

#ifndef TARVENOR_HAVE_TOOLS
        QSKIP("the publisher's tool is not built in this configuration (the main build checks it)");
#endif
        writeBytes(dir + u"/parola"_s, kTestKeyPassword);
        const QString out = dir + u"/noi.sql.gz"_s;
        const QString pub = QString::fromLatin1(readBytes(dir + u"/db/trusted-keys"_s).split('\n').value(5));
        const QStringList ways[] = {{u"--key"_s, testKeyPath(), u"--legacy"_s},
                                    {u"--key"_s, testKeyPath(true), u"--password-file"_s, dir + u"/parola"_s}};
        for (const QStringList& way : ways) {
            QCOMPARE(QProcess::execute(QStringLiteral(TARVENOR_BINARY_DIR "/tools/make_update_pack"),
                                       QStringList{f.program.dbPath(), out, u"--version"_s, u"2027.01.01"_s} + way),
                     0);
            QCOMPARE(QProcess::execute(minisign, {u"-V"_s, u"-q"_s, u"-P"_s, pub, u"-m"_s, out}), 0);
            patch(out, "\x1f", "\x1e"); // the stock tool refuses a changed pack, too
            QCOMPARE(QProcess::execute(minisign, {u"-V"_s, u"-q"_s, u"-P"_s, pub, u"-m"_s, out}), 1);
        }
    }

    // Changed signature and key files: no crash, no hang, and never accepted
    // unless the change left the signed parts as they were.
    void fuzzReaders()
    {
        const int asked = qEnvironmentVariableIntValue("TARVENOR_FUZZ_CASES");
        const int cases = asked > 0 ? asked : 3000;
        const QByteArray pack = "INSERT INTO noutati (id, titlu, link) VALUES (1, 'a', 1);\n";
        const QByteArray keysText = readBytes(QStringLiteral(TARVENOR_SOURCE_DIR "/db/trusted-keys"));
        const auto keys = TrustedKeys::parseFile(keysText);
        const QByteArray good = PublisherKey::sign(PublisherKey::read(readBytes(testKeyPath())), pack, "2026.12.07");
        const PackSignature::Signature original = PackSignature::parse(good);
        const QByteArray alphabet = "+/=AZaz09 #\r\n:\x80\xff";
        std::mt19937 rng(2026);
        auto mutate = [&](QByteArray b) {
            for (int e = 1 + int(rng() % 4); e > 0; --e) {
                const int at = int(rng() % uint(b.size() + 1));
                switch (rng() % 3) {
                case 0: b.insert(at, alphabet[int(rng() % uint(alphabet.size()))]); break;
                case 1: b.remove(at, 1 + int(rng() % 4)); break;
                default: b[qMin(at, int(b.size()) - 1)] ^= char(1 << (rng() % 8));
                }
            }
            return b;
        };
        int accepted = 0;
        for (int i = 0; i < cases; ++i) {
            try {
                // The key id is not signed: it is looked up as the program does.
                const auto s = PackSignature::parse(mutate(good));
                const auto* key = TrustedKeys::find(keys, s.keyId);
                if (key && PackSignature::verify(s, pack, *key) == PackSignature::Check::Good) {
                    QCOMPARE(PackSignature::write(s, {}), PackSignature::write(original, {}));
                    ++accepted;
                }
            } catch (const TrustedKeys::Malformed&) {
            }
            try {
                // A changed key may parse, but never checks the publisher's signature.
                const auto k = TrustedKeys::parseFile(mutate(keysText));
                const auto* key = TrustedKeys::find(k, keys[0].id);
                QVERIFY(!key || key->key == keys[0].key ||
                        PackSignature::verify(original, pack, *key) != PackSignature::Check::Good);
            } catch (const TrustedKeys::Malformed&) {
            }
        }
        QVERIFY(accepted > 0); // changes to the untrusted comment alone are harmless
    }
};

QTEST_MAIN(SignedPacksTest)
#include "test_signed_packs.moc"
