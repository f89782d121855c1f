#include "input/LoadReport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#include "core/DecimalNumber.h"
#include "core/Rounding.h"
#include "core/TextEncoding.h"
#include "input/ReportFile.h"
#include "input/ReportTranscoder.h"
#include "input/SplitFields.h"

namespace Tabulon {

namespace {

// The part of a line that is kept: far more than a record (510 bytes) or 150
// fields of 50 characters need, and small enough that an endless line costs
// nothing.
constexpr size_t LineLimit = size_t{64} << 10;
constexpr size_t ReadBlock = 1 << 20;
constexpr int Columns = ReportLayout::DescribedColumns;

void ApplyFormatLetter(ReportLayout& layout, int c, std::string_view field) {
    if (field.empty()) return;
    switch (field[0]) {
        case 'Z':
            // As many zeros as the width in force; a negative width gives none.
            // No column shows more characters than the widest one can, so
            // more zeros would only make every number of the column longer.
            layout.ColumnFormats[c] = std::string(
                std::clamp<int>(layout.ColumnWidths[c], 0, ReportLayout::MaxColumnWidth), '0');
            layout.ColumnKinds[c] = KindNumber;
            break;
        case 'N':
        case 'F':
            layout.ColumnFormats[c] = "#,##0";
            layout.ColumnKinds[c] = KindNumber;
            break;
        case '1':
            layout.ColumnFormats[c] = "#,##0.0";
            layout.ColumnKinds[c] = KindNumber;
            break;
        case '2':
            layout.ColumnFormats[c] = "#,##0.00";
            layout.ColumnKinds[c] = KindNumber;
            break;
        case '3':
            layout.ColumnFormats[c] = "#,##0.000";
            layout.ColumnKinds[c] = KindNumber;
            break;
        case 'C':
            layout.ColumnFormats[c] = "#,##0.00;(#,##0.00)";
            layout.ColumnKinds[c] = KindAmount;
            break;
        case 'T':
            layout.ColumnFormats[c] = "@";
            layout.ColumnKinds[c] = KindText;
            break;
        default:
            break;
    }
}

// What one pass over the report's lines builds.
class Loader {
  public:
    Loader(LoadResult& result, RowStore& rows, const LoadOptions& options)
        : result_(result), rows_(rows), layout_(result.layout), options_(options) {}

    bool Line(std::string_view raw) {
        if (raw.empty() || raw[0] < '1' || raw[0] > '9') return true;
        std::string_view line = raw;
        if (!IsValidUtf8(raw)) {
            AnsiToUtf8(raw, decoded_);
            line = decoded_;
        }
        const int type = line[0] - '0';
        const std::string_view payload = line.substr(1);
        switch (type) {
            case 1:
                if (headerCount_ < std::numeric_limits<int16_t>::max()) ++headerCount_;
                layout_.HeaderCount = static_cast<int16_t>(headerCount_);
                if (headerCount_ <= ReportLayout::MaxHeaderLines)
                    layout_.HeaderLines[headerCount_] = payload;
                return true;
            case 2: {
                const RowFields fields = Split(payload);
                for (int c = 1; c <= Columns; ++c) layout_.ColumnTitles[c] = fields[c];
                return true;
            }
            case 3: {
                const RowFields fields = Split(payload);
                for (int c = 1; c <= Columns; ++c)
                    layout_.ColumnWidths[c] =
                        ClampToInt16(ReadLeadingInteger(TrimSpaces(fields[c])));
                return true;
            }
            case 4: {
                const RowFields fields = Split(payload);
                for (int c = 1; c <= Columns; ++c)
                    if (TrimSpaces(fields[c]).substr(0, 2) == "++")
                        layout_.ColumnTotalFlags[c] = true;
                return true;
            }
            case 5: {
                const RowFields fields = Split(payload);
                for (int c = 1; c <= Columns; ++c) ApplyFormatLetter(layout_, c, fields[c]);
                return true;
            }
            case 9:
                return DataRow(payload);
            default:
                return true;
        }
    }

    void Finish() {
        MeasuredWidths(layout_);
        if (counter_) result_.totals = counter_->Take();
        result_.numbers = std::move(survey_);
    }

    // What is read so far goes out: the first page as soon as it is whole,
    // then after every block of the file; false when the row store failed.
    bool HandOut(bool blockEnd) {
        if (!options_.readSoFar || !counter_ || counter_->CompletedPages() == 0) return true;
        if (handedOut_ && !blockEnd) return true;
        handedOut_ = true;
        if (!rows_.Publish()) return false;
        LoadedSoFar soFar{layout_, result_.fieldCount, counter_->Completed(), survey_};
        MeasuredWidths(soFar.layout);
        options_.readSoFar(soFar);
        return true;
    }

  private:
    void Measure(int c, std::string_view field) { MeasureField(measured_[c], field); }

    void MeasuredWidths(ReportLayout& layout) const {
        for (int c = 1; c <= Columns; ++c)
            layout.ColumnWidths[c] = ColumnWidthFor(measured_[c], layout.ColumnKinds[c]);
    }

    // A description record's fields count toward the widths too, and are
    // kept apart for a report made later of some of the rows.
    RowFields Split(std::string_view payload) {
        RowFields fields = SplitFields(payload);
        for (int c = 1; c <= Columns; ++c) {
            Measure(c, fields[c]);
            MeasureField(layout_.DescriptionWidths[c], fields[c]);
        }
        result_.fieldCount = fields.count;
        return fields;
    }

    bool DataRow(std::string_view payload) {
        if (rows_.RecordCount() == std::numeric_limits<int32_t>::max()) {
            result_.fieldCount = Split(payload).count;
            return true;
        }
        if (!counter_ && options_.rowsPerPage)
            counter_.emplace(options_.rowsPerPage(layout_.HeaderCount), TotalFlagsOf(layout_),
                             options_.locale);
        if (!survey_ && options_.surveyNumbers) survey_.emplace(layout_, options_.locale);
        if (counter_) counter_->StartRow();
        // Widths are measured over the whole line; the totals, the numbers
        // and the field count of the row read last come from what the record
        // keeps, as a pass over the row store would find them. Only a row
        // longer than a record is walked twice.
        const std::string_view kept = CutUtf8(payload, RowStore::TextSize);
        const bool whole = kept.size() == payload.size();
        const int count =
            ForEachRawField(payload, ReportLayout::MaxFields, [&](int c, std::string_view raw) {
                if (c <= Columns) Measure(c, TrimTrailingSpaces(raw));
                if (whole) KeptField(c, raw);
            });
        const int keptCount =
            whole ? count
                  : ForEachRawField(kept, ReportLayout::MaxFields,
                                    [&](int c, std::string_view raw) { KeptField(c, raw); });
        result_.fieldCount = count;
        result_.lastRowFieldCount = keptCount;
        return rows_.Append(payload) && HandOut(false);
    }

    // A field as the row store keeps it, before its trailing spaces go.
    void KeptField(int c, std::string_view raw) {
        if (counter_ && counter_->Flagged(c)) counter_->AddField(c, TrimTrailingSpaces(raw));
        if (survey_ && survey_->Surveys(c)) survey_->Take(c, raw);
    }

    LoadResult& result_;
    RowStore& rows_;
    ReportLayout& layout_;
    const LoadOptions& options_;
    std::array<int16_t, Columns + 1> measured_{};
    int headerCount_ = 0;
    std::optional<PageTotalsCounter> counter_;
    std::optional<NumberSurvey> survey_;
    std::string decoded_;
    bool handedOut_ = false;
};

// Ends the load: the working file goes, the reason stays. A store the caller
// gave is the caller's to drop, since another thread may be reading it.
LoadResult Failed(LoadResult& result, Failure failure) {
    result.outcome = std::move(failure);
    result.rows.Discard();
    result.rows = RowStore();
    return std::move(result);
}

// Cuts the text into lines for the loader. A line ends at CR (a following LF
// belongs to it); a lone LF does not end one. Lines that lie whole in a block
// are taken where they lie; only a line that crosses blocks is gathered, up to
// the limit.
class LineReader {
  public:
    explicit LineReader(Loader& loader) : loader_(loader) {}

    // False when the row store failed.
    bool Block(std::string_view block) {
        const char* data = block.data();
        const size_t end = block.size();
        size_t at = 0;
        if (end == 0) return true;
        if (afterCr_ && data[0] == '\n') at = 1;
        afterCr_ = false;
        while (at < end) {
            const void* cr = std::memchr(data + at, '\r', end - at);
            if (!cr) {
                if (!gathering_) carry_.clear();
                Take(std::string_view(data + at, end - at));
                gathering_ = true;
                return true;
            }
            const size_t stop = static_cast<size_t>(static_cast<const char*>(cr) - data);
            std::string_view line(data + at, stop - at);
            if (gathering_) {
                Take(line);
                line = carry_;
                gathering_ = false;
            } else if (line.size() > LineLimit) {
                line = line.substr(0, LineLimit);
            }
            if (!loader_.Line(line)) return false;
            at = stop + 1;
            if (at < end && data[at] == '\n')
                ++at;
            else if (at == end)
                afterCr_ = true;
        }
        return true;
    }

    bool End() { return !gathering_ || carry_.empty() || loader_.Line(carry_); }

  private:
    void Take(std::string_view piece) {
        if (carry_.size() < LineLimit) carry_.append(piece.substr(0, LineLimit - carry_.size()));
    }

    Loader& loader_;
    std::string carry_;
    bool gathering_ = false;  // a line began in an earlier block
    bool afterCr_ = false;
};

}  // namespace

LoadResult LoadReport(const std::string& reportPath, const std::string& rowStorePath,
                      const LoadOptions& options) {
    LoadResult result;
    RowStore& rows = options.store ? *options.store : result.rows;
    // The report is opened before the row store is created, so a report that
    // cannot be read leaves no working file behind, even a named one.
    ReportFile report;
    if (Outcome<> opened = report.Open(reportPath); !opened.Ok())
        return Failed(result, opened.Why());
    // A report the temporary folder cannot hold is refused before its first
    // row is written, saying how much it needs, rather than filling the disk
    // for every user of the folder and failing midway.
    const std::string folder = RowStore::FolderOf(rowStorePath);
    result.room = MeasureRowStoreRoom(report, folder, options.freeSpace);
    if (!result.room.Fits()) return Failed(result, {Operation::FindRoom, folder, {}});
    // Appending only says that a write failed; the flush says why.
    auto storeFailed = [&] {
        Outcome<> flushed = rows.Flush();
        return Failed(result, flushed.Ok() ? Failure{Operation::MakeWorkFile, rowStorePath, {}}
                                           : flushed.Why());
    };
    if (Outcome<> created = rows.Create(rowStorePath, options.keepRowStoreName); !created.Ok())
        return Failed(result, created.Why());

    Loader loader(result, rows, options);
    LineReader lines(loader);
    ReportTranscoder text;
    std::vector<char> buffer(ReadBlock);
    int64_t bytesRead = 0;
    for (;;) {
        const int64_t got = report.Read(buffer.data(), buffer.size());
        if (got < 0)
            return Failed(result, {Operation::ReadReport, reportPath, std::strerror(errno)});
        if (got == 0) break;
        bytesRead += got;
        if (options.progress && !options.progress(bytesRead, std::max(report.Size(), bytesRead)))
            return Failed(result, StoppedByUser());
        if (!lines.Block(text.Block({buffer.data(), static_cast<size_t>(got)})) ||
            !loader.HandOut(true))
            return storeFailed();
    }
    if (!lines.Block(text.End()) || !lines.End() || !rows.Flush().Ok()) return storeFailed();
    result.changedWhileRead = report.ChangedSinceOpen(reportPath, bytesRead);
    loader.Finish();
    return result;
}

int16_t ColumnWidthFor(int longest, uint8_t kind) {
    const int width = kind == KindAmount ? RoundHalfEven(longest / 2.5 + longest) : longest;
    return static_cast<int16_t>(std::min(width, ReportLayout::MaxColumnWidth));
}

void MeasureField(int16_t& longest, std::string_view field) {
    if (static_cast<int64_t>(field.size()) <= longest) return;
    const int16_t length = ClampToInt16(static_cast<int64_t>(CodePointCount(field)));
    if (length > longest) longest = length;
}

}  // namespace Tabulon
