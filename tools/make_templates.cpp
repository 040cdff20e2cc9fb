// Writes the three contract templates of the Docs folder as RTF.
//
//   make_templates <Docs folder>
//
// The texts are kept here in UTF-8 with a one-letter mark per line:
//   T title (centred, bold, large)    C centred line
//   H heading (bold)                  P justified paragraph
//   S signature line (two columns, separated by a tab)
//   an empty line is an empty paragraph; **...** inside a line is bold.
// Letters outside ASCII become code-page 1250 escapes, and those the code
// page lacks (ș ț with comma below) Unicode escapes with a 1250 fallback.

#include "contracts/RtfReader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

struct Model {
    const char* file;
    const char* title;
    const char* body;
};

const char* const kDonation = R"(T CONTRACT DE DONAȚIE
C nr. ........ din data de ........

H I. PĂRȚILE CONTRACTANTE
P 1.1. ........................................................, domiciliat(ă) în ........................, str. ........................ nr. ....., bl. ....., sc. ....., ap. ....., județul/sectorul ........................, identificat(ă) cu C.I. seria ..... nr. ............, CNP ............................., în calitate de **DONATOR**,
P și
P 1.2. ........................................................, domiciliat(ă) în ........................, str. ........................ nr. ....., bl. ....., sc. ....., ap. ....., județul/sectorul ........................, identificat(ă) cu C.I. seria ..... nr. ............, CNP ............................., în calitate de **DONATAR**,
P au convenit încheierea prezentului contract de donație, în condițiile Codului civil, cu respectarea următoarelor clauze:

H II. OBIECTUL CONTRACTULUI
P 2.1. Donatorul transmite donatarului, cu titlu gratuit și irevocabil, dreptul de proprietate asupra următorului bun: ........................................................................................................................ (natura bunului, adresa sau locul unde se află, suprafața, numărul cadastral și numărul de carte funciară, după caz).
P 2.2. Bunul a intrat în patrimoniul donatorului în temeiul ........................................................ (titlul de proprietate).
P 2.3. Donatorul declară că bunul nu este grevat de sarcini, nu face obiectul vreunui litigiu, nu este scos din circuitul civil și nu a fost înstrăinat anterior.

H III. VALOAREA BUNULUI DONAT
P 3.1. Părțile declară că valoarea bunului donat este de ........................ lei (în litere: ........................................................ lei).

H IV. SARCINI
P 4.1. Donația se face fără sarcini / cu următoarea sarcină: ........................................................................ (se păstrează varianta convenită).

H V. OBLIGAȚIILE PĂRȚILOR
P 5.1. Donatorul se obligă să predea donatarului bunul, împreună cu actele doveditoare ale proprietății, la data de ........................ .
P 5.2. Donatorul răspunde pentru evicțiune și pentru viciile ascunse ale bunului numai în cazurile și în limitele prevăzute de Codul civil.
P 5.3. Donatarul declară că acceptă donația și se obligă să îndeplinească sarcina prevăzută la pct. 4.1, dacă a fost stipulată.

H VI. TRANSMITEREA PROPRIETĂȚII ȘI A FOLOSINȚEI
P 6.1. Dreptul de proprietate se transmite donatarului la data încheierii prezentului contract în formă autentică. Pentru imobile, dreptul se înscrie în cartea funciară în temeiul prezentului contract.
P 6.2. Posesia și folosința bunului se transmit donatarului la data de ........................ .

H VII. REVOCAREA DONAȚIEI
P 7.1. Donația este irevocabilă. Ea poate fi revocată numai pentru ingratitudine sau pentru neexecutarea fără justificare a sarcinii, în condițiile Codului civil.

H VIII. CHELTUIELI
P 8.1. Cheltuielile ocazionate de încheierea contractului, onorariul notarial, taxele de publicitate imobiliară și impozitele datorate potrivit legii se suportă de către ........................ .

H IX. DISPOZIȚII FINALE
P 9.1. Donația se încheie prin înscris autentic, sub sancțiunea nulității absolute.
P 9.2. Neînțelegerile privind încheierea, executarea sau încetarea prezentului contract se soluționează pe cale amiabilă, iar în caz contrar de instanța judecătorească competentă.
P 9.3. Prezentul contract a fost încheiat astăzi, ........................, la ........................, în ..... exemplare originale, din care câte unul pentru fiecare parte.

S DONATOR,	DONATAR,
S ........................	........................
S (numele, prenumele și semnătura)	(numele, prenumele și semnătura)
)";

const char* const kLease = R"(T CONTRACT DE ÎNCHIRIERE A LOCUINȚEI
C nr. ........ din data de ........

H I. PĂRȚILE CONTRACTANTE
P 1.1. ........................................................, domiciliat(ă)/cu sediul în ........................, str. ........................ nr. ....., bl. ....., sc. ....., ap. ....., județul/sectorul ........................, identificat(ă) cu C.I. seria ..... nr. ............, CNP/CUI ............................., în calitate de proprietar, denumit(ă) în continuare **LOCATOR**,
P și
P 1.2. ........................................................, domiciliat(ă) în ........................, str. ........................ nr. ....., bl. ....., sc. ....., ap. ....., județul/sectorul ........................, identificat(ă) cu C.I. seria ..... nr. ............, CNP ............................., denumit(ă) în continuare **CHIRIAȘ**,
P au convenit încheierea prezentului contract de închiriere, în condițiile Codului civil privind locațiunea și închirierea locuințelor.

H II. OBIECTUL CONTRACTULUI
P 2.1. Locatorul dă în folosință chiriașului locuința situată în ........................, str. ........................ nr. ....., bl. ....., sc. ....., et. ....., ap. ....., județul/sectorul ........................, compusă din ..... camere și dependințe, cu o suprafață utilă de ........ mp, împreună cu bunurile și instalațiile enumerate în procesul-verbal de predare-primire, anexă la prezentul contract.
P 2.2. Locuința este proprietatea locatorului în temeiul ........................................................ .
P 2.3. Locuința se închiriază exclusiv pentru a fi folosită ca locuință de către chiriaș și de următoarele persoane: ........................................................ .

H III. DURATA CONTRACTULUI
P 3.1. Contractul se încheie pe o durată de ..... luni/ani, începând cu data de ........................ până la data de ........................ .
P 3.2. Contractul poate fi prelungit prin acordul scris al părților, încheiat cu cel puțin ..... zile înainte de expirarea duratei sale.

H IV. CHIRIA ȘI MODALITATEA DE PLATĂ
P 4.1. Chiria lunară este de ........................ lei (în litere: ........................................ lei).
P 4.2. Chiria se plătește lunar, în avans, până la data de ..... a fiecărei luni, în numerar, pe bază de chitanță, sau prin virament în contul nr. ........................................ deschis la ........................ .
P 4.3. Pentru întârzierea la plată, chiriașul datorează penalități de ..... % din suma datorată pentru fiecare zi de întârziere, fără ca penalitățile să depășească suma datorată.
P 4.4. La semnarea contractului, chiriașul predă locatorului o garanție de ........................ lei, care se restituie la încetarea contractului, după scăderea eventualelor sume datorate de chiriaș.

H V. OBLIGAȚIILE LOCATORULUI
P 5.1. Să predea chiriașului locuința, în stare corespunzătoare folosinței, la data de ........................, pe bază de proces-verbal de predare-primire.
P 5.2. Să efectueze reparațiile necesare pentru menținerea locuinței în stare de folosință, altele decât cele care cad, potrivit legii, în sarcina chiriașului.
P 5.3. Să asigure chiriașului folosința liniștită și utilă a locuinței pe toată durata contractului și să nu îl tulbure prin fapta sa.
P 5.4. Să înregistreze contractul la organul fiscal competent, în termenul prevăzut de lege.

H VI. OBLIGAȚIILE CHIRIAȘULUI
P 6.1. Să plătească chiria la termenele stabilite și să achite, pe perioada folosinței, cheltuielile pentru utilități (energie electrică, gaze naturale, apă, încălzire, cheltuieli comune, telefon, internet) și celelalte cheltuieli legate de folosința locuinței.
P 6.2. Să folosească locuința cu prudență și diligență, potrivit destinației ei, și să efectueze reparațiile locative rezultate din folosința obișnuită.
P 6.3. Să nu subînchirieze locuința, să nu cedeze contractul și să nu aducă modificări locuinței fără acordul scris al locatorului.
P 6.4. Să permită locatorului, cu o înștiințare prealabilă de cel puțin ..... zile, accesul în locuință pentru verificarea stării acesteia și pentru efectuarea reparațiilor.
P 6.5. La încetarea contractului, să restituie locuința în starea în care a primit-o, cu excepția uzurii normale, pe bază de proces-verbal.

H VII. ÎNCETAREA CONTRACTULUI
P 7.1. Contractul încetează: a) la expirarea duratei pentru care a fost încheiat, dacă nu a fost prelungit; b) prin acordul scris al părților; c) prin denunțarea unilaterală de către chiriaș, cu o notificare prealabilă de cel puțin ..... zile; d) prin reziliere, în condițiile pct. 7.2.
P 7.2. Dacă una dintre părți nu își execută obligațiile, cealaltă parte poate cere rezilierea contractului. Neplata chiriei pentru cel puțin ..... luni consecutive dă dreptul locatorului să ceară rezilierea, după notificarea chiriașului.
P 7.3. Înstrăinarea locuinței nu pune capăt contractului, în condițiile prevăzute de lege.

H VIII. DISPOZIȚII FINALE
P 8.1. Contractul încheiat prin înscris sub semnătură privată și înregistrat la organele fiscale, precum și cel încheiat în formă autentică, constituie titlu executoriu pentru plata chiriei la termenele și în modalitățile stabilite în contract.
P 8.2. Orice modificare a prezentului contract se face numai prin act adițional semnat de ambele părți.
P 8.3. Neînțelegerile dintre părți se soluționează pe cale amiabilă, iar în caz contrar de instanța judecătorească competentă.
P 8.4. Prezentul contract a fost încheiat astăzi, ........................, în ..... exemplare originale, câte unul pentru fiecare parte.

S LOCATOR,	CHIRIAȘ,
S ........................	........................
S (numele, prenumele și semnătura)	(numele, prenumele și semnătura)
)";

const char* const kSponsorship = R"(T CONTRACT DE SPONSORIZARE
C nr. ........ din data de ........

H I. PĂRȚILE CONTRACTANTE
P 1.1. ........................................................, cu sediul în ........................, str. ........................ nr. ....., județul/sectorul ........................, înregistrată la Registrul Comerțului sub nr. ........................, cod unic de înregistrare ........................, cont nr. ........................................ deschis la ........................, reprezentată prin ........................................, în calitate de ........................, denumită în continuare **SPONSOR**,
P și
P 1.2. ........................................................, cu sediul/domiciliul în ........................, str. ........................ nr. ....., județul/sectorul ........................, înscrisă în Registrul asociațiilor și fundațiilor sub nr. ........................ / identificat(ă) cu C.I. seria ..... nr. ............, cod de identificare fiscală/CNP ........................, cont nr. ........................................ deschis la ........................, reprezentată prin ........................................, în calitate de ........................, denumită în continuare **BENEFICIAR**,
P au convenit încheierea prezentului contract de sponsorizare, în temeiul Legii nr. 32/1994 privind sponsorizarea, cu modificările și completările ulterioare.

H II. OBIECTUL CONTRACTULUI
P 2.1. Obiectul contractului îl constituie sprijinirea de către sponsor a activității beneficiarului în domeniul ........................ (cultural, artistic, educativ, științific, social, umanitar, sportiv, de protecție a mediului sau altul prevăzut de lege), și anume: ........................................................................ .
P 2.2. Sponsorizarea constă în: ........................ (suma de bani / bunurile / serviciile), în valoare totală de ........................ lei (în litere: ........................................ lei).

H III. DURATA CONTRACTULUI
P 3.1. Contractul intră în vigoare la data semnării lui de către ambele părți și este valabil până la data de ........................ / până la îndeplinirea obligațiilor părților.

H IV. MODALITATEA DE PLATĂ ȘI DE PREDARE
P 4.1. Suma de bani se virează în contul beneficiarului, în termen de ..... zile de la semnarea contractului, într-o singură tranșă / în ..... tranșe, după cum urmează: ........................................ .
P 4.2. Bunurile sau serviciile se predau, respectiv se prestează, la data de ........................, pe bază de proces-verbal de predare-primire, care face parte integrantă din prezentul contract.

H V. OBLIGAȚIILE SPONSORULUI
P 5.1. Să pună la dispoziția beneficiarului sumele, bunurile sau serviciile convenite, la termenele și în condițiile stabilite prin prezentul contract.
P 5.2. Să nu urmărească, prin sponsorizare, realizarea directă sau indirectă a unor activități comerciale în folosul său și să nu condiționeze sponsorizarea de avantaje de altă natură.

H VI. OBLIGAȚIILE BENEFICIARULUI
P 6.1. Să folosească sponsorizarea exclusiv pentru realizarea scopului prevăzut la pct. 2.1.
P 6.2. Să facă cunoscut numele sponsorului, cu acordul acestuia, prin următoarele mijloace: ........................................, fără ca aceasta să constituie reclamă comercială în favoarea sponsorului.
P 6.3. Să prezinte sponsorului, la cerere, documentele care dovedesc folosirea sponsorizării potrivit destinației ei, iar la sfârșitul acțiunii sponsorizate un raport de activitate, în termen de ..... zile.
P 6.4. Să restituie sponsorului sumele sau bunurile primite, dacă nu le-a folosit potrivit destinației stabilite.

H VII. ÎNCETAREA CONTRACTULUI
P 7.1. Contractul încetează: a) la expirarea duratei sale sau prin îndeplinirea obligațiilor; b) prin acordul scris al părților; c) prin reziliere, când una dintre părți nu își execută obligațiile, după o notificare scrisă prealabilă de ..... zile; d) în caz de forță majoră, în condițiile legii.

H VIII. DISPOZIȚII FINALE
P 8.1. Orice modificare a prezentului contract se face numai prin act adițional semnat de ambele părți.
P 8.2. Neînțelegerile dintre părți se soluționează pe cale amiabilă, iar în caz contrar de instanța judecătorească competentă.
P 8.3. Prezentul contract a fost încheiat astăzi, ........................, în două exemplare originale, câte unul pentru fiecare parte.

S SPONSOR,	BENEFICIAR,
S ........................	........................
S (denumirea, reprezentantul, semnătura și ștampila)	(denumirea, reprezentantul, semnătura și ștampila)
)";

const Model kModels[] = {
    {"Contract de donatie.rtf", "Contract de donatie", kDonation},
    {"Contract de inchiriere locuinte.rtf", "Contract de inchiriere locuinte", kLease},
    {"Contract de sponsorizare.rtf", "Contract de sponsorizare", kSponsorship},
};

// Unicode → code-page 1250 byte, built from the reader's own table so the
// two can never disagree.
QHash<char16_t, uchar> cp1250Bytes()
{
    QHash<char16_t, uchar> map;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QString u = RtfReader::decode(QByteArray(1, char(b)), 1250);
        if (u.size() == 1)
            map.insert(u.at(0).unicode(), uchar(b));
    }
    return map;
}

// The older cedilla letters stand in for the comma-below ones.
char16_t fallbackFor(char16_t c)
{
    switch (c) {
    case 0x0218: return 0x015E; // Ș → Ş
    case 0x0219: return 0x015F; // ș → ş
    case 0x021A: return 0x0162; // Ț → Ţ
    case 0x021B: return 0x0163; // ț → ţ
    default: return 0;
    }
}

QByteArray hexByte(uchar b)
{
    static const char digits[] = "0123456789abcdef";
    QByteArray out("\\'");
    out += digits[b >> 4];
    out += digits[b & 15];
    return out;
}

QByteArray escaped(const QString& text, const QHash<char16_t, uchar>& cp)
{
    QByteArray out;
    bool bold = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == '*' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('*')) {
            out += bold ? "\\b0 " : "\\b ";
            bold = !bold;
            ++i;
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c < 0x80) {
            out += char(c);
        } else if (cp.contains(c)) {
            out += hexByte(cp.value(c));
        } else {
            const char16_t f = fallbackFor(c);
            out += "\\u" + QByteArray::number(int(c));
            out += f && cp.contains(f) ? hexByte(cp.value(f)) : QByteArray("?");
        }
    }
    if (bold)
        out += "\\b0 ";
    return out;
}

QByteArray toRtf(const Model& m, const QHash<char16_t, uchar>& cp)
{
    QByteArray out;
    out += "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n";
    out += "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset238 Times New Roman;}{\\f1\\fswiss\\fprq2\\fcharset238 Arial;}}\n";
    out += "{\\colortbl;\\red0\\green0\\blue0;\\red31\\green56\\blue100;}\n";
    out += "{\\info{\\title " + QByteArray(m.title) + "}{\\author Tarvenor 2007}}\n";
    out += "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\n";
    const QStringList lines = QString::fromUtf8(m.body).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (i == lines.size() - 1 && line.isEmpty())
            break;
        if (line.isEmpty()) {
            out += "\\pard\\plain\\f0\\fs24\\par\n";
            continue;
        }
        const QChar mark = line.at(0);
        const QByteArray text = escaped(line.mid(2), cp);
        switch (mark.toLatin1()) {
        case 'T': out += "\\pard\\plain\\qc\\sa120\\f1\\fs32\\b\\cf2 " + text + "\\par\n"; break;
        case 'C': out += "\\pard\\plain\\qc\\sa240\\f0\\fs24 " + text + "\\par\n"; break;
        case 'H': out += "\\pard\\plain\\keepn\\sb120\\sa120\\f1\\fs22\\b " + text + "\\par\n"; break;
        case 'P': out += "\\pard\\plain\\qj\\fi567\\sa120\\f0\\fs24 " + text + "\\par\n"; break;
        case 'S': out += "\\pard\\plain\\tx5670\\sb240\\f0\\fs24 " + text + "\\par\n"; break;
        default: std::fprintf(stderr, "unknown mark in %s: %s\n", m.file, line.toUtf8().constData()); std::exit(2);
        }
    }
    out += "}\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_templates <Docs folder>\n");
        return 2;
    }
    const QDir docs(QString::fromLocal8Bit(argv[1]));
    if (!docs.exists() && !QDir().mkpath(docs.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    const QHash<char16_t, uchar> cp = cp1250Bytes();
    for (const Model& m : kModels) {
        QFile f(docs.filePath(QString::fromUtf8(m.file)));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(toRtf(m, cp)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", m.file);
            return 1;
        }
        std::printf("%s\n", f.fileName().toLocal8Bit().constData());
    }
    return 0;
}
