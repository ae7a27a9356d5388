#include "tests/support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <cstring>

namespace telvo::test {

TempHome::TempHome()
    : oldDataHome_(qgetenv("XDG_DATA_HOME")), oldRuntime_(qgetenv("XDG_RUNTIME_DIR")) {
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    QDir(dir_.path()).mkpath(QStringLiteral("runtime"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path() + QStringLiteral("/runtime")));
    QFile::setPermissions(dir_.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    oldTerminator_ = setProgramTerminator([](const QString& text) { throw ProgramEnded{text}; });
}

TempHome::~TempHome() {
    setProgramTerminator(oldTerminator_);
    qputenv("XDG_DATA_HOME", oldDataHome_);
    qputenv("XDG_RUNTIME_DIR", oldRuntime_);
}

QString TempHome::dataFolder() const {
    return dir_.path() + QStringLiteral("/data/Telvo_Lab/Telvo_Vocabulary_02");
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        std::abort();
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

std::string hex(const QByteArray& data) {
    return data.toHex(' ').toStdString();
}

namespace {

void putLittleEndian(QByteArray& out, int offset, uint64_t value, int width) {
    for (int i = 0; i < width; ++i)
        out[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray cp1251Literal(QStringView text) {
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            out.append(static_cast<char>(u));
        else if (u >= 0x0410 && u <= 0x044F)
            out.append(static_cast<char>(0xC0 + (u - 0x0410)));
        else if (u == 0x0401)
            out.append('\xA8');
        else if (u == 0x0451)
            out.append('\xB8');
        else if (u == 0x2116)
            out.append('\xB9');
        else
            ADD_FAILURE() << "no hand-made Windows-1251 byte for U+" << std::hex << int(u);
    }
    return out;
}

QByteArray shortStringLiteral(QStringView text, int maxLen) {
    const QByteArray chars = cp1251Literal(text).left(maxLen);
    QByteArray out(maxLen + 1, '\0');
    out[0] = static_cast<char>(chars.size());
    out.replace(1, chars.size(), chars);
    return out;
}

QByteArray dictRecordLiteral(QStringView english, QStringView transcription,
                             QStringView translation, double addedDays, bool excluded,
                             bool marked) {
    QByteArray r(176, '\0');
    r.replace(0, 46, shortStringLiteral(english, 45));
    r.replace(46, 51, shortStringLiteral(transcription, 50));
    r.replace(97, 61, shortStringLiteral(translation, 60));
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof addedDays);
    std::memcpy(&bits, &addedDays, sizeof bits);
    putLittleEndian(r, 160, bits, 8);
    r[168] = excluded ? 1 : 0;
    r[169] = marked ? 1 : 0;
    return r;
}

double daysSince18991230(QDate date) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(date));
}

QByteArray rangeRecordLiteral(bool whole, int32_t start, int32_t end, bool toEnd) {
    QByteArray r(16, '\0');
    r[0] = whole ? 1 : 0;
    putLittleEndian(r, 4, static_cast<uint32_t>(start), 4);
    putLittleEndian(r, 8, static_cast<uint32_t>(end), 4);
    r[12] = toEnd ? 1 : 0;
    return r;
}

QByteArray viewStateLiteral(bool translationColumn, bool forgottenOnly, int32_t topRow,
                            int32_t selectedRow, int32_t repetitions) {
    QByteArray r(16, '\0');
    r[0] = translationColumn ? 1 : 0;
    r[1] = forgottenOnly ? 1 : 0;
    putLittleEndian(r, 4, static_cast<uint32_t>(topRow), 4);
    putLittleEndian(r, 8, static_cast<uint32_t>(selectedRow), 4);
    putLittleEndian(r, 12, static_cast<uint32_t>(repetitions), 4);
    return r;
}

DataFolderState::DataFolderState() {
    g.puti = makeDataPaths(home.path() + QStringLiteral("/data"));
    QDir().mkpath(g.puti.folder);
}

void DataFolderState::clearRebuildFlags() {
    g.Obnovit_angliyskie_slova = g.Obnovit_russkie_slova = false;
    g.Obnovit_perevody_s_angliyskogo = g.Obnovit_perevody_s_russkogo = false;
    g.Obnovit_nayti_perevod = g.Obnovit_pary = g.Obnovit_proslushivanie = false;
}

bool DataFolderState::allRebuildFlags() const {
    return g.Obnovit_angliyskie_slova && g.Obnovit_russkie_slova &&
           g.Obnovit_perevody_s_angliyskogo && g.Obnovit_perevody_s_russkogo &&
           g.Obnovit_nayti_perevod && g.Obnovit_pary && g.Obnovit_proslushivanie;
}

bool DataFolderState::exists(const QString& path) {
    return QFileInfo::exists(path);
}

} // namespace telvo::test
