#include "cad/CADStyle.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CCADFontStyle>& CCADFontStyle::Columns() {
    static const ColumnTable<CCADFontStyle> columns = {
        {"StyleName", &CCADFontStyle::StyleName},
        {"FileName", &CCADFontStyle::FileName},
        {"BigFontFileName", &CCADFontStyle::BigFontFileName},
    };
    return columns;
}

template <long kType>
const ColumnTable<CCADLineBlockEntry<kType>>& CCADLineBlockEntry<kType>::Columns() {
    static const ColumnTable<CCADLineBlockEntry> columns = {
        {"Name", &CCADLineBlockEntry::Name},
        {"Type", &CCADLineBlockEntry::Type},
        {"FileName", &CCADLineBlockEntry::FileName},
    };
    return columns;
}

template class CCADLineBlockEntry<1>;
template class CCADLineBlockEntry<2>;

namespace {

constexpr const char* kLineStylesOfFile =
    "SELECT * FROM GH_LineBlockConfig WHERE (Type = 1) AND (FileName = '%s')";
constexpr const char* kBlocksOfFile =
    "SELECT * FROM GH_LineBlockConfig WHERE (Type = 2) AND (FileName = '%s')";

// Appends the FileName of every row in server order: 2, or 1 when there is none. A NULL name
// repeats the name before it.
long ReadFileNames(CRecordAccess& db, const char* sql, CStringArray& files) {
    CString name;
    int rows = 0;
    const long status = db.ReadColumnOfRows<_variant_t>(
        sql, "FileName",
        [&](const _variant_t& value) {
            if (auto text = VariantToText(value)) name = CString(std::move(*text));
            files.Add(name);
        },
        &rows);
    return status == 2 && rows == 0 ? 1 : status;
}

}  // namespace

long CBaseClassAccess::GetCADFontStyles(CArray<CCADFontStyle, CCADFontStyle&>& styles) {
    CCADFontStyle working;
    return db_.ReadAllAsValues("SELECT * FROM GH_FontConfig", working, styles);
}

long CBaseClassAccess::EditCADFontStyles(CArray<CCADFontStyle, CCADFontStyle&>& styles) {
    return db_.ReplaceAll("Delete FROM GH_FontConfig", "SELECT * FROM GH_FontConfig", styles);
}

long CBaseClassAccess::GetCADLineStyleFiles(CStringArray& files) {
    return ReadFileNames(db_, "SELECT DISTINCT FileName FROM GH_LineBlockConfig WHERE (Type = 1)",
                         files);
}

long CBaseClassAccess::GetCADLineStylesOfFile(CString file,
                                              CArray<CCADLineStyle, CCADLineStyle&>& styles) {
    CCADLineStyle working;
    return db_.ReadAllAsValues(FormatSql(kLineStylesOfFile, Quoted(file)), working, styles);
}

long CBaseClassAccess::EditCADLineStylesOfFile(CString file,
                                               CArray<CCADLineStyle, CCADLineStyle&>& styles) {
    return db_.ReplaceAll(
        FormatSql("DELETE FROM GH_LineBlockConfig WHERE (Type = 1) AND (FileName = '%s')",
                  Quoted(file)),
        FormatSql(kLineStylesOfFile, Quoted(file)), styles);
}

long CBaseClassAccess::DeleteCADLineStylesOfFile(CString file) {
    return db_.DeleteRecordInfo(FormatSql(
        "Delete FROM GH_LineBlockConfig WHERE (Type = 1) AND (FileName = '%s')", Quoted(file)));
}

long CBaseClassAccess::GetCADBlockFiles(CStringArray& files) {
    return ReadFileNames(db_, "SELECT DISTINCT FileName FROM GH_LineBlockConfig WHERE (Type = 2)",
                         files);
}

long CBaseClassAccess::GetCADBlockNamesOfFile(CString file,
                                              CArray<CCADBlockName, CCADBlockName&>& blocks) {
    CCADBlockName working;
    return db_.ReadAllAsValues(FormatSql(kBlocksOfFile, Quoted(file)), working, blocks);
}

long CBaseClassAccess::EditCADBlockNamesOfFile(CString file,
                                               CArray<CCADBlockName, CCADBlockName&>& blocks) {
    return db_.ReplaceAll(
        FormatSql("DELETE FROM GH_LineBlockConfig WHERE (Type = 2) AND (FileName = '%s')",
                  Quoted(file)),
        FormatSql(kBlocksOfFile, Quoted(file)), blocks);
}

long CBaseClassAccess::DeleteCADBlockNamesOfFile(CString file) {
    return db_.DeleteRecordInfo(FormatSql(
        "Delete FROM GH_LineBlockConfig WHERE (Type = 2) AND (FileName = '%s')", Quoted(file)));
}

}  // namespace ghdb
