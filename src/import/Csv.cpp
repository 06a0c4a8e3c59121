#include "import/Csv.h"

#include <QStringDecoder>

#include <algorithm>

namespace {
bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError() && !bytes.contains('\0');
}

int FirstLineNotUtf8(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (!IsUtf8(lines[i]))
            return i + 1;
    }
    return 1;
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
        CsvRecord record{line_, {}};
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
        table_.records << record;
        return true;
    }

    bool ReadField(QString& field, int recordLine)
    {
        if (text_[pos_] != quote_) {
            while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
                field += text_[pos_++];
            return true;
        }
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) {
                table_.error = QStringLiteral("The row that starts on line %1 has a quote that is not closed.").arg(recordLine);
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
        return true;
    }

    const QString& text_;
    const QChar quote_;
    const QChar separator_;
    const Progress& progress_;
    qsizetype pos_ = 0;
    int line_ = 1;
    CsvTable table_;
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

std::optional<QString> DecodeUtf8(const QByteArray& bytes, QString* error)
{
    const QByteArray body = bytes.startsWith(Utf8Bom) ? bytes.mid(Utf8Bom.size()) : bytes;
    if (!IsUtf8(body)) {
        *error = QStringLiteral("The file is not UTF-8 text (line %1 is in another encoding). "
                                "Save it as CSV in UTF-8 and import it again. Nothing was imported.")
                     .arg(FirstLineNotUtf8(body));
        return std::nullopt;
    }
    return QString::fromUtf8(body);
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
