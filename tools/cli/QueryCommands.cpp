// Commands that run the viewer's query engine over a media index: clips, counts, table.
// Dates are "yyyy/MM/dd" and times "HH:mm:ss" whatever the locale, so that scripts get the
// same output everywhere.

#include "Cli.h"
#include "CliQuery.h"
#include "ClipListRows.h"
#include "QueryDefinitionModel.h"
#include "QueryResultModel.h"
#include "ResultTableGrid.h"
#include "UntStatistics.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <iostream>
#include <memory>

namespace cli {
namespace {

using TRow = std::vector<std::string>;

enum class TFormat { Tsv, Csv, Json };

TFormat FormatOf(const TArguments& arguments) {
    const std::string format = arguments.Value("format", "tsv");
    if (format == "tsv") {
        return TFormat::Tsv;
    }
    if (format == "csv") {
        return TFormat::Csv;
    }
    if (format == "json") {
        return TFormat::Json;
    }
    throw EUsageError("--format needs tsv, csv or json, not \"" + format + "\"");
}

// TSV fields cannot hold their own separators; these are written as backslash escapes.
std::string TsvField(const std::string& text) {
    std::string field;
    for (char c : text) {
        switch (c) {
        case '\\':
            field += "\\\\";
            break;
        case '\t':
            field += "\\t";
            break;
        case '\n':
            field += "\\n";
            break;
        case '\r':
            field += "\\r";
            break;
        default:
            field += c;
        }
    }
    return field;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string field = "\"";
    for (char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

// Writes rows of fields; in JSON an array of rows, in which fields listed as numeric are
// numbers.
void WriteRows(std::ostream& out, TFormat format, const std::vector<TRow>& rows,
               const std::vector<bool>& numeric = {}) {
    if (format == TFormat::Json) {
        QJsonArray array;
        for (const TRow& row : rows) {
            QJsonArray fields;
            for (std::size_t f = 0; f < row.size(); ++f) {
                if (f < numeric.size() && numeric[f]) {
                    fields.append(std::stod(row[f]));
                } else {
                    fields.append(QString::fromStdString(row[f]));
                }
            }
            array.append(fields);
        }
        out << QJsonDocument(array).toJson(QJsonDocument::Compact).toStdString() << "\n";
        return;
    }
    for (const TRow& row : rows) {
        for (std::size_t f = 0; f < row.size(); ++f) {
            if (f > 0) {
                out << (format == TFormat::Tsv ? "\t" : ",");
            }
            out << (format == TFormat::Tsv ? TsvField(row[f]) : CsvField(row[f]));
        }
        out << "\n";
    }
}

// The clip list as the viewer shows it, with every fixed column.
std::vector<TRow> ClipRows(const TSituationSet& set) {
    TClipListRows clips;
    clips.Fill(set);
    std::vector<TRow> rows(static_cast<std::size_t>(clips.RowCount()) + 1);
    for (int c = 0; c < clips.ColumnCount(); ++c) {
        rows[0].push_back(clips.Caption(c).toStdString());
    }
    for (int r = 0; r < clips.RowCount(); ++r) {
        TRow& row = rows[static_cast<std::size_t>(r) + 1];
        for (int c = 0; c < clips.ColumnCount(); ++c) {
            row.push_back(clips.Text(r, c).toStdString());
        }
    }
    return rows;
}

int Clips(const TArguments& arguments) {
    const TFormat format = FormatOf(arguments);
    TQuery query(arguments.Positional()[0]);
    query.Select(arguments.Values("select"));
    query.SortBy(arguments.Values("sort"));
    WriteRows(std::cout, format, ClipRows(query.Result().GetSituationSet()));
    return 0;
}

int Counts(const TArguments& arguments) {
    const TFormat format = FormatOf(arguments);
    TQuery query(arguments.Positional()[0]);
    query.Select(arguments.Values("select"));
    std::vector<TRow> rows;
    TQueryDefinitionModel& definition = query.Definition();
    for (int p = 0; p < definition.GetPropertyCount(); ++p) {
        std::shared_ptr<IQueryProperty> property = definition.GetProperty(p);
        const QString name = property->GetName();
        for (int v = 0; v < property->GetValueCount(); ++v) {
            const QString value = property->GetValue(v)->GetText();
            rows.push_back({name.toStdString(), value.toStdString(),
                            std::to_string(query.Result().GetCount(name, value))});
        }
    }
    WriteRows(std::cout, format, rows, {false, false, true});
    return 0;
}

int Table(const TArguments& arguments) {
    const TFormat format = FormatOf(arguments);
    TQuery query(arguments.Positional()[0]);
    query.SetCategory(true, arguments.Value("primary"));
    query.SetCategory(false, arguments.Value("secondary"));
    query.Select(arguments.Values("select"));
    TResultTableGrid grid(query.Definition());
    grid.FillCounts(query.Result());
    std::vector<TRow> rows;
    for (int r = 0; r < grid.RowCount(); ++r) {
        TRow row;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            row.push_back(grid.Cell(c, r).toStdString());
        }
        rows.push_back(std::move(row));
    }
    WriteRows(std::cout, format, rows);
    return 0;
}

} // namespace

std::vector<TCommand> QueryCommands() {
    const std::string select = "[--select PROPERTY=VALUE]... ";
    const std::string format = "[--format tsv|csv|json]";
    const TArgumentSpec in = {"IN", "the media index to query"};
    const TOptionSpec selectOption = {"select", "PROPERTY=VALUE",
                                      "toggle a value of a property, in order; values of one "
                                      "property combine with OR, properties with AND"};
    const TOptionSpec formatOption = {"format", "tsv|csv|json", "the output format (tsv)"};
    return {
        {"clips",
         "IN " + select + "[--sort CAPTION]... " + format,
         "list the clips of a query: one row per situation, in display order",
         {in},
         {selectOption,
          {"sort", "CAPTION",
           "sort by the column with this caption, as a click on its header does; the same "
           "caption again reverses the order (the list starts sorted by Date)"},
          formatOption},
         Clips},
        {"counts",
         "IN " + select + format,
         "count the result of a query by every property and value",
         {in},
         {selectOption, formatOption},
         Counts},
        {"table",
         "IN [--primary CATEGORY] [--secondary CATEGORY] " + select + format,
         "cross-tabulate the result of a query as the statistics table shows it",
         {in},
         {{"primary", "CATEGORY", "the category of the rows"},
          {"secondary", "CATEGORY", "the category of the columns"},
          selectOption,
          formatOption},
         Table},
    };
}

} // namespace cli
