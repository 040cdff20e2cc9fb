// Signed update packs: every refusal leaves every table as it was, versions
// only move forward, and the signature files agree with the stock minisign
// tool both ways. The key and signature readers are fuzzed.
#include "catalogue/PackSignature.h"
#include "catalogue/PublisherKey.h"
#include "catalogue/SignedPack.h"
#include "catalogue/UpdatePack.h"
#include "support/SignedPacks.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <random>

#include <sodium.h>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

const QString kUntrusted = u"Pachetul de actualizare nu este semnat de un editor de incredere.\r"_s;

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

PublisherKey::SecretKey freshKey()
{
    PublisherKey::SecretKey k;
    std::array<unsigned char, 32> pub{};
    crypto_sign_keypair(pub.data(), k.key.data());
    randombytes_buf(k.id.data(), k.id.size());
    return k;
}

int run(const QString& program, const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class SignedPacksTest : public QObject {
    Q_OBJECT

private slots:
    void versionIsTheFirstDateWordOfTheTrustedComment()
    {
        const struct {
            const char* comment;
            const char* version;
        } cases[] = {
            {"Catalogul Tarvenor, versiunea 2026.12.07", "2026.12.07"},
            {"versiunea (2026.12.07). Editia 2027.01.01", "2026.12.07"},
            {"Catalogul 2026.02.30 refacut 2026.03.01", ""}, // no such day
            {"timestamp:1765000000 file:pack.sql.gz hashed", ""},
            {"v2026.12.07 2026.1.7 26.12.07", ""},
        };
        for (const auto& c : cases)
            QCOMPARE(SignedPack::versionIn(QString::fromUtf8(c.comment)), QString::fromLatin1(c.version));
    }

    void everyRefusalLeavesEveryTableAsItWas()
    {
        FormFixture f(true);
        const QString dir = f.program.dir();
        const QString keys = dir + u"/db/trusted-keys"_s;
        const QByteArray trusted = readBytes(keys);
        // The first signed update of a catalogue made before versions were kept.
        f.program.exec(u"drop table versiune_catalog"_s);
        const QString old = writePack(dir, u"vechi.sql"_s, 200);
        signPack(old, u"2026.11.30"_s);
        const QString other = writePack(dir, u"altul.sql"_s, 201);
        signPack(other, u"2026.12.07"_s);

        using Setup = std::function<QString()>; // makes the case's pack and returns it
        auto pack = [&](const std::function<void(const QString&)>& spoil) {
            return [&, spoil] {
                const QString p = writePack(dir, u"p.sql.gz"_s, 300);
                signPack(p, u"2026.12.07"_s);
                writeBytes(keys, trusted);
                spoil(p);
                return p;
            };
        };
        auto edit = [](const QString& path, const std::function<void(QByteArray&)>& change) {
            QByteArray b = readBytes(path);
            change(b);
            writeBytes(path, b);
        };
        const QString sig = u".minisig"_s;
        const struct {
            const char* what;
            Setup setup;
            const char* reason;
        } cases[] = {
            {"pack byte", pack([&](const QString& p) { edit(p, [](QByteArray& b) { b[b.size() / 2] ^= 1; }); }),
             "nu corespunde pachetului"},
            {"trusted comment", pack([&](const QString& p) {
                 edit(p + sig, [](QByteArray& b) { b.replace("2026.12.07", "2026.12.08"); });
             }),
             "comentariul de incredere al semnaturii a fost modificat"},
            {"wrong key", pack([&](const QString& p) {
                 writeBytes(p + sig, PublisherKey::sign(freshKey(), readBytes(p), versionComment(u"2026.12.07"_s)));
             }),
             "nu este in lista editorilor"},
            {"no signature", pack([&](const QString& p) { QFile::remove(p + sig); }), "lipseste fisierul de semnatura"},
            {"other pack's", pack([&](const QString& p) { writeBytes(p + sig, readBytes(other + sig)); }),
             "nu corespunde pachetului"},
            {"truncated", pack([&](const QString& p) { edit(p + sig, [](QByteArray& b) { b.chop(30); }); }),
             "deteriorat"},
            {"garbage", pack([&](const QString& p) { writeBytes(p + sig, QByteArray(300, '\x91')); }), "deteriorat"},
            {"no version", pack([&](const QString& p) { signPackWithComment(p, "Catalogul Tarvenor, decembrie"); }),
             "nu arata versiunea"},
            {"empty keys", pack([&](const QString&) { writeBytes(keys, "# nimeni\n\n"); }), "nu contine nicio cheie"},
            {"bad keys", pack([&](const QString&) { writeBytes(keys, trusted + "RWSdIqiKL5E+10ji\n"); }),
             "este deteriorata"},
            {"no keys file", pack([&](const QString&) { QFile::remove(keys); }), "lipseste lista"},
        };
        const QStringList before = dumpAll(f.program);
        for (const auto& c : cases) {
            f.dialogs.messages.clear();
            f.form().ImportUpdatePack(c.setup());
            const QString m = f.dialogs.messages.value(0);
            QVERIFY2(m.startsWith(kUntrusted) && m.contains(QLatin1String(c.reason)) && m.count(u'\r') == 1,
                     qPrintable(QLatin1String(c.what) + u": "_s + m));
            QCOMPARE(dumpAll(f.program), before);
        }

        // The first good pack adds the version table, as the schema makes it.
        writeBytes(keys, trusted);
        f.dialogs.messages.clear();
        f.form().ImportUpdatePack(old);
        QVERIFY2(f.dialogs.messages.value(0).endsWith(u"versiunea 2026.11.30.\rDe la editor: "_s +
                                                      QString::fromUtf8(versionComment(u"2026.11.30"_s))),
                 qPrintable(f.dialogs.messages.value(0)));
        TempProgram fresh;
        const QString columns = u"select name, type, \"notnull\", pk from pragma_table_info('versiune_catalog')"_s;
        QCOMPARE(joinedRows(f.program, columns), joinedRows(fresh, columns));
        // Older or equal versions are refused; a newer one lands.
        const QStringList applied = dumpAll(f.program);
        f.dialogs.messages.clear();
        f.form().ImportUpdatePack(old);
        const QString equalOrOlder = writePack(dir, u"mai-vechi.sql"_s, 202);
        signPack(equalOrOlder, u"2026.10.01"_s);
        f.form().ImportUpdatePack(equalOrOlder);
        QCOMPARE(f.dialogs.messages.size(), 2);
        for (const QString& m : f.dialogs.messages)
            QVERIFY2(m.startsWith(u"Catalogul este deja la zi fata de acest pachet.\r"_s), qPrintable(m));
        QCOMPARE(dumpAll(f.program), applied);
        f.form().ImportUpdatePack(other);
        QCOMPARE(f.program.scalar(u"select group_concat(versiune) from versiune_catalog"_s),
                 u"2026.11.30,2026.12.07"_s);
    }

    // Keys made and packs signed by the stock tool, plain and legacy, apply;
    // what our tool signs (a password-protected key too) the stock tool verifies.
    void agreesWithTheStockTool()
    {
        const QString minisign = QStandardPaths::findExecutable(u"minisign"_s);
        QVERIFY2(!minisign.isEmpty(), "scripts/setup.sh installs minisign");
        FormFixture f(true);
        const QString dir = f.program.dir();
        QCOMPARE(run(minisign, {u"-G"_s, u"-W"_s, u"-p"_s, dir + u"/k.pub"_s, u"-s"_s, dir + u"/k.key"_s}), 0);
        writeBytes(dir + u"/db/trusted-keys"_s,
                   readBytes(dir + u"/db/trusted-keys"_s) + readBytes(dir + u"/k.pub"_s).split('\n').value(1));
        const char* versions[] = {"2026.12.08", "2026.12.09"};
        for (const char* v : versions) {
            const QString p = writePack(dir, QLatin1String(v) + u".sql.gz"_s, 400 + (v[9] - '0'));
            QStringList args = {u"-S"_s, u"-W"_s, u"-s"_s, dir + u"/k.key"_s,
                                u"-m"_s, p,       u"-t"_s, u"Editorul X, versiunea "_s + QLatin1String(v)};
            if (v[9] == '9')
                args << u"-l"_s; // the legacy, unhashed form
            QCOMPARE(run(minisign, args), 0);
            f.dialogs.messages.clear();
            f.form().ImportUpdatePack(p);
            QVERIFY2(f.dialogs.messages.value(0).contains(u"versiunea "_s + QLatin1String(v) + u"."_s),
                     qPrintable(f.dialogs.messages.value(0)));
        }

        const QString tool = QStringLiteral(TARVENOR_BINARY_DIR "/tools/make_update_pack");
        writeBytes(dir + u"/parola"_s, kTestKeyPassword);
        const QStringList ways[] = {{u"--key"_s, testKeyPath(), u"--legacy"_s},
                                    {u"--key"_s, testKeyPath(true), u"--password-file"_s, dir + u"/parola"_s}};
        const QString pub =
            QString::fromLatin1(readBytes(QStringLiteral(TARVENOR_SOURCE_DIR "/db/trusted-keys")).split('\n').value(5));
        for (const QStringList& way : ways) {
            const QString out = dir + u"/noi.sql.gz"_s;
            QCOMPARE(run(tool, QStringList{f.program.dbPath(), out, u"--version"_s, u"2027.01.01"_s} + way), 0);
            QCOMPARE(run(minisign, {u"-V"_s, u"-q"_s, u"-P"_s, pub, u"-m"_s, out}), 0);
            QCOMPARE(run(minisign,
                         {u"-V"_s, u"-q"_s, u"-P"_s, pub, u"-m"_s, dir + u"/parola"_s, u"-x"_s, out + u".minisig"_s}),
                     1);
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
        const QByteArray secret = readBytes(testKeyPath());
        const QByteArray good = PublisherKey::sign(PublisherKey::read(secret), pack, versionComment(u"2026.12.07"_s));
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
            const QByteArray sig = mutate(good), keyFile = mutate(keysText), secretFile = mutate(secret);
            try {
                const auto s = PackSignature::parse(sig);
                const auto* key =
                    TrustedKeys::find(keys, s.keyId); // the id is not signed: looked up as the program does
                if (key && PackSignature::verify(s, pack, *key) == PackSignature::Check::Good) {
                    QVERIFY(s.trustedComment == original.trustedComment && s.signature == original.signature &&
                            s.commentSignature == original.commentSignature && s.prehashed == original.prehashed);
                    ++accepted;
                }
            } catch (const TrustedKeys::Malformed&) {
            }
            try {
                // A changed key may parse, but never checks the publisher's signature.
                const auto k = TrustedKeys::parseFile(keyFile);
                const auto* key = TrustedKeys::find(k, keys[0].id);
                QVERIFY(!key || key->key == keys[0].key ||
                        PackSignature::verify(original, pack, *key) != PackSignature::Check::Good);
            } catch (const TrustedKeys::Malformed&) {
            }
            try {
                QVERIFY(PublisherKey::read(secretFile).key == PublisherKey::read(secret).key);
            } catch (const TrustedKeys::Malformed&) {
            }
        }
        QVERIFY(accepted > 0); // changes to the untrusted comment alone are harmless
    }
};

QTEST_MAIN(SignedPacksTest)
#include "test_signed_packs.moc"
