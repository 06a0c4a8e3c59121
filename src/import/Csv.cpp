#include "import/Csv.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {
constexpr qint64 PieceBytes = 1 << 16;

bool IsUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// The line of a piece of whole lines that fails the check, counted from 1; 0 when none does.
template <class Check>
int FirstLineFailing(const QByteArray& piece, Check fails)
{
    qsizetype start = 0;
    for (int line = 1; start < piece.size(); ++line) {
        qsizetype end = piece.indexOf('\n', start);
        if (end < 0)
            end = piece.size();
        if (fails(QByteArrayView(piece).sliced(start, end - start)))
            return line;
        start = end + 1;
    }
    return 0;
}

QString NotText(int line)
{
    return QStringLiteral("The file is not a text file (line %1 holds a NUL byte). "
                          "Choose a CSV file saved as text and import it again. Nothing was imported.")
        .arg(line);
}

QString NotUtf8(int line)
{
    return QStringLiteral("The file is not UTF-8 text (line %1 is in another encoding). "
                          "Save it as CSV in UTF-8 and import it again. Nothing was imported.")
        .arg(line);
}

// FET can quote its fields with apostrophes instead of double quotes.
QChar QuoteOf(const QString& text)
{
    return text.startsWith('\'') ? QChar('\'') : QChar('"');
}

QChar SeparatorOf(const QString& text, QChar quote)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (c == quote)
            quoted = !quoted;
        else if (!quoted && (c == ',' || c == ';' || c == '|'))
            return c;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
    }
    return ',';
}

// Reads CSV text one character at a time, as a spreadsheet writes it.
class CsvParser {
public:
    CsvParser(const QString& text, const Progress& progress)
        : text_(text)
        , quote_(QuoteOf(text))
        , separator_(SeparatorOf(text, quote_))
        , progress_(progress)
    {
    }

    CsvTable Parse()
    {
        while (pos_ < text_.size()) {
            if (!ReadRecord())
                break;
            if (progress_ && !progress_(int(pos_), int(text_.size()))) {
                table_.error = QStringLiteral("Reading the file was stopped.");
                break;
            }
        }
        return table_;
    }

private:
    bool AtLineEnd() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }

    void SkipLineEnd()
    {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    bool ReadRecord()
    {
        if (AtLineEnd()) {
            SkipLineEnd();
            return true;
        }
        CsvRecord record {line_, {}};
        record.fields.reserve(fieldsPerRecord_); // rows are mostly as wide as the one before
        for (;;) {
            QString field;
            if (!ReadField(field, record.line))
                return false;
            record.fields << field;
            if (pos_ >= text_.size())
                break;
            if (AtLineEnd()) {
                SkipLineEnd();
                break;
            }
            ++pos_; // the separator
            if (pos_ >= text_.size()) {
                record.fields << QString();
                break;
            }
        }
        fieldsPerRecord_ = record.fields.size();
        table_.records << record;
        return true;
    }

    bool ReadField(QString& field, int recordLine)
    {
        if (text_[pos_] != quote_) {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
                ++pos_;
            field = Shared(text_.mid(start, pos_ - start));
            return true;
        }
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) {
                table_.error =
                    QStringLiteral("The row that starts on line %1 has a quote that is not closed.").arg(recordLine);
                return false;
            }
            const QChar c = text_[pos_++];
            if (c == '\n')
                ++line_;
            if (c != quote_) {
                field += c;
            } else if (pos_ < text_.size() && text_[pos_] == quote_) {
                field += quote_;
                ++pos_;
            } else {
                break;
            }
        }
        // Text after the closing quote belongs to the field, as spreadsheets read it.
        while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
            field += text_[pos_++];
        field = Shared(field);
        return true;
    }

    // The same texts recur in every row ("0", "-", a class, a subject), so
    // they are kept once, which keeps a large file's records small.
    QString Shared(const QString& field)
    {
        const auto known = pool_.constFind(field);
        if (known != pool_.cend())
            return *known;
        QString exact = field;
        exact.squeeze();
        return *pool_.insert(exact);
    }

    const QString& text_;
    const QChar quote_;
    const QChar separator_;
    const Progress& progress_;
    qsizetype pos_ = 0;
    int line_ = 1;
    CsvTable table_;
    QSet<QString> pool_;
    qsizetype fieldsPerRecord_ = 0;
};

QString Quoted(const QString& field)
{
    static const QString special = QStringLiteral(",;|\"\r\n");
    const bool needsQuotes = std::any_of(field.begin(), field.end(), [](QChar c) { return special.contains(c); })
        || field.startsWith(' ') || field.endsWith(' ');
    if (!needsQuotes)
        return field;
    QString doubled = field;
    doubled.replace('"', QStringLiteral("\"\""));
    return '"' + doubled + '"';
}
}

std::optional<QString> ReadUtf8Text(QIODevice& file, QString* error)
{
    QString text;
    text.reserve(file.size());
    int linesBefore = 0;
    for (bool first = true; !file.atEnd(); first = false) {
        QByteArray piece = file.read(PieceBytes);
        if (!piece.endsWith('\n'))
            piece += file.readLine();
        if (first && piece.startsWith(Utf8Bom))
            piece.remove(0, Utf8Bom.size());
        const bool binary = piece.contains('\0');
        if (binary || !IsUtf8(piece)) {
            const int line = binary ? FirstLineFailing(piece, [](QByteArrayView l) { return l.contains('\0'); })
                                    : FirstLineFailing(piece, [](QByteArrayView l) { return !IsUtf8(l); });
            *error = binary ? NotText(linesBefore + line) : NotUtf8(linesBefore + line);
            return std::nullopt;
        }
        linesBefore += int(piece.count('\n'));
        text += QString::fromUtf8(piece);
    }
    return text;
}

CsvTable ParseCsv(const QString& text, const Progress& progress)
{
    return CsvParser(text, progress).Parse();
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << Quoted(field);
    return quoted.join(',') + QStringLiteral("\r\n");
}

QString SpreadsheetText(const QString& cell)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r'");
    const bool escaped = !cell.isEmpty() && formulaStarts.contains(cell.front()) && cell != QLatin1String("-");
    return escaped ? '\'' + cell : cell;
}
