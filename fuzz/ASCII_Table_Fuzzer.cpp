// SPDX-License-Identifier: MIT
// The ASCII table text and Show_ASCII with failures injected at any code,
// of any kind, over any text already in place.
//
// Input: "<code>:<failure><number>:<text>"
//   code     the code before whose line the failure strikes; also the code
//            given to Line()
//   failure  r  Run_Time_Failure(number)   m  std::bad_alloc
//            x  std::runtime_error         i  a thrown int
//            t  the target fails every write with Run_Time_Failure(number)
//            anything else: no failure
//   text     UTF-8, already in the text or the target before the table
#include "ASCII_Table_Text.h"
#include "Error_Logging.h"
#include "Fuzz_Check.h"
#include "Fuzz_Input.h"
#include "Runtime_Services.h"
#include "Show_ASCII.h"
#include "Single_Byte_Charset.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int Question_Mark = 0x3F;

// The whole table, and where each line starts in it (one more entry for
// the end).
struct Reference_Table {
    QString text;
    std::vector<qsizetype> line_starts;
};

// The fixed fields of a line, formatted apart from the table's own code.
QString Expected_Start(int code) {
    char binary[17] = {};
    for (int bit = 0; bit < 16; ++bit)
        binary[15 - bit] = ((code >> bit) & 1) != 0 ? '1' : '0';
    char start[128];
    std::snprintf(start, sizeof start,
                  "Value: %03d Binary = %s  Hexadecimal = %02X  Octal = %3o  %s = %3d Char = ",
                  code, binary, static_cast<unsigned>(code), static_cast<unsigned>(code),
                  code >= 10 && code < 100 ? "Ascii" : "ASCII", code);
    return QString::fromLatin1(start);
}

void Check_Line(int code, const QString& line) {
    FUZZ_CHECK(line.startsWith(Expected_Start(code)));
    FUZZ_CHECK(line.endsWith(QLatin1String("\r\n")));
    const QString character = line.sliced(Expected_Start(code).size()).chopped(2);
    if (code <= 32) {
        for (const QChar c : character)
            FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() < 0x7F);
        FUZZ_CHECK(!character.isEmpty());
    } else {
        FUZZ_CHECK(character == Single_Byte_Charset::Character_Of(code));
    }
}

const Reference_Table& Reference() {
    static const Reference_Table reference = [] {
        Reference_Table table{ASCII_Table_Text::Table(), {}};
        FUZZ_CHECK(table.text.size() == ASCII_Table_Text::Table_Length);
        qsizetype at = 0;
        for (int code = 0; code < ASCII_Table_Text::Code_Count; ++code) {
            table.line_starts.push_back(at);
            const qsizetype end = table.text.indexOf(QLatin1String("\r\n"), at);
            FUZZ_CHECK(end >= 0);
            const QString line = table.text.sliced(at, end + 2 - at);
            FUZZ_CHECK(line == ASCII_Table_Text::Line(code));
            Check_Line(code, line);
            at = end + 2;
        }
        table.line_starts.push_back(at);
        FUZZ_CHECK(at == table.text.size());
        return table;
    }();
    return reference;
}

QString Lines_Before(int code) {
    const int whole =
        code < 0 || code >= ASCII_Table_Text::Code_Count ? ASCII_Table_Text::Code_Count : code;
    return Reference().text.first(Reference().line_starts[static_cast<std::size_t>(whole)]);
}

struct Injected_Failure {
    char kind = 0;
    int number = 0;

    bool In_Line_Builder() const {
        return kind == 'r' || kind == 'm' || kind == 'x' || kind == 'i';
    }
    bool In_Target() const { return kind == 't'; }

    [[noreturn]] void Raise() const {
        switch (kind) {
        case 'm':
            throw std::bad_alloc();
        case 'x':
            throw std::runtime_error("injected");
        case 'i':
            throw number;
        default:
            throw Run_Time_Failure(number);
        }
    }

    // The number the error log records for it.
    int Logged_Number() const {
        switch (kind) {
        case 'm':
            return Failure::Out_Of_Memory;
        case 'x':
        case 'i':
            return Failure::Internal_Error;
        default:
            return number >= std::numeric_limits<std::int16_t>::min() &&
                           number <= std::numeric_limits<std::int16_t>::max()
                       ? number
                       : Failure::Internal_Error;
        }
    }
};

class Recording_Target final : public Text_Target {
public:
    Recording_Target(QString text, std::optional<int> failure)
        : text_(std::move(text)), failure_(failure) {}

    QString Text() const override { return text_; }
    void Set_Text(const QString& text) override {
        ++writes_;
        if (failure_)
            throw Run_Time_Failure(*failure_);
        text_ = text;
    }
    int Writes() const { return writes_; }

private:
    QString text_;
    std::optional<int> failure_;
    int writes_ = 0;
};

void Check_Line_Call(int code) {
    try {
        Check_Line(code, ASCII_Table_Text::Line(code));
        FUZZ_CHECK(code >= 0 && code < ASCII_Table_Text::Code_Count);
    } catch (const Run_Time_Failure& failure) {
        FUZZ_CHECK(code < 0 || code >= ASCII_Table_Text::Code_Count);
        FUZZ_CHECK(failure.number() == Failure::Invalid_Procedure_Call);
    }
}

void Check_Append_Table(const QString& before, int code, const Injected_Failure& failure) {
    QString text = before;
    const bool fails =
        failure.In_Line_Builder() && code >= 0 && code < ASCII_Table_Text::Code_Count;
    bool failed = false;
    try {
        ASCII_Table_Text::Append_Table(text, [&](int at) {
            if (failure.In_Line_Builder() && at == code)
                failure.Raise();
        });
    } catch (const Run_Time_Failure& thrown) { // what was thrown goes on unchanged
        failed = true;
        FUZZ_CHECK(failure.kind == 'r' && thrown.number() == failure.number);
    } catch (const std::bad_alloc&) {
        failed = true;
        FUZZ_CHECK(failure.kind == 'm');
    } catch (const std::runtime_error&) {
        failed = true;
        FUZZ_CHECK(failure.kind == 'x');
    } catch (int thrown) {
        failed = true;
        FUZZ_CHECK(failure.kind == 'i' && thrown == failure.number);
    }
    FUZZ_CHECK(failed == fails);
    FUZZ_CHECK(text == before + Lines_Before(fails ? code : ASCII_Table_Text::Code_Count));
}

QByteArray Take_Log() {
    QFile log(Error_Logging::Log_File_Path());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QByteArray lines = log.readAll();
    log.close();
    log.remove();
    return lines;
}

void Check_Show_ASCII(const QString& before, int code, const Injected_Failure& failure) {
    const bool builder_fails =
        failure.In_Line_Builder() && code >= 0 && code < ASCII_Table_Text::Code_Count;
    Recording_Target target(before,
                            failure.In_Target() ? std::optional(failure.number) : std::nullopt);
    Show_ASCII(target, [&](int at) {
        if (builder_fails && at == code)
            failure.Raise();
    });
    FUZZ_CHECK(target.Writes() == 1);
    const QByteArray log = Take_Log();
    if (failure.In_Target()) {
        FUZZ_CHECK(target.Text() == before);
    } else {
        FUZZ_CHECK(target.Text() ==
                   Lines_Before(builder_fails ? code : ASCII_Table_Text::Code_Count));
    }
    if (!builder_fails && !failure.In_Target()) {
        FUZZ_CHECK(log.isEmpty());
        return;
    }
    const int number = failure.Logged_Number();
    const QByteArray entry =
        "][ASCII_Table][Show_ASCII][" + QByteArray::number(number) + "][" +
        QByteArray::fromStdString(Runtime_Services::Error_Description(number)) + "]\r\n";
    FUZZ_CHECK(log.startsWith('[') && log.endsWith(entry) && log.count("\r\n") == 1);
}

void Check_Character_Set(const QString& text) {
    for (const QChar c : text) {
        const int code = Single_Byte_Charset::Code_Of(c);
        FUZZ_CHECK(code >= 0 && code <= 0xFF);
        if (code != Question_Mark || c == QLatin1Char('?'))
            FUZZ_CHECK(Single_Byte_Charset::Character_Of(code) == c);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Show_ASCII logs its failures: keep them out of the working folder.
    static QTemporaryDir log_folder;
    FUZZ_CHECK(log_folder.isValid());
    Error_Logging::Set_Log_Folders(log_folder.path(), log_folder.path());
    Reference();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz_Input input(data, size);
    const int code = input.Take_Number();
    Injected_Failure failure;
    failure.kind = static_cast<char>(input.Take_Byte());
    failure.number = input.Take_Number();
    const std::string_view rest = input.Rest();
    const QString before = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));

    Check_Line_Call(code);
    Check_Append_Table(before, code, failure);
    Check_Show_ASCII(before, code, failure);
    Check_Character_Set(before);
    return 0;
}
