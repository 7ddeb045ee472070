#include "pipes/PipeLabel.h"

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

// Scales and distances are single-precision columns.
const ColumnTable<CPipeSymbolBlock>& BlockColumns() {
    using R = CPipeSymbolBlock;
    static const ColumnTable<R> columns = {
        {"PipeName", &R::PipeName},
        {"PipeCode", &R::PipeCode},
        {"PipeLayerId", &R::PipeLayerId},
        {"LabelBlock", &R::LabelBlock},
        {"DirectBlock", &R::DirectBlock},
        {"LabDirBlock", &R::LabDirBlock},
        {"BlockXScale", &R::BlockXScale, Stored::Single},
        {"BlockYScale", &R::BlockYScale, Stored::Single},
        {"BlockZScale", &R::BlockZScale, Stored::Single},
        {"BlockDirect", &R::BlockDirect},
        {"BlockLabelLayer", &R::BlockLabelLayer},
        {"BlockDirectLayer", &R::BlockDirectLayer},
        {"BlockLabDirLayer", &R::BlockLabDirLayer},
        {"DiameterLayer", &R::DiameterLayer},
        {"BlockLabelDist", &R::BlockLabelDist, Stored::Single},
        {"BlockDirDist", &R::BlockDirDist, Stored::Single},
        {"DiameterDist", &R::DiameterDist, Stored::Single},
    };
    return columns;
}

const ColumnTable<CPipeFontHei>& FontColumns() {
    static const ColumnTable<CPipeFontHei> columns = {
        {"FuncNo", &CPipeFontHei::FuncNo},
        {"FuncName", &CPipeFontHei::FuncName},
        {"FuncFontHei", &CPipeFontHei::FuncFontHei, Stored::Single},
    };
    return columns;
}

}  // namespace

void CPipeSymbolBlock::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, BlockColumns(), *this);
}

void CPipeSymbolBlock::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, BlockColumns(), *this);
}

void CPipeFontHei::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, FontColumns(), *this);
}

void CPipeFontHei::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, FontColumns(), *this);
}

long CBaseClassAccess::GetAllPipeSymbolBlockdDatasets(
    CArray<CPipeSymbolBlock*, CPipeSymbolBlock*&>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeLabelBlock", out, true);
}

long CBaseClassAccess::GetAllPipeFuncFontHeidDatasets(CArray<CPipeFontHei*, CPipeFontHei*&>& out) {
    return db_.ReadAllAfresh("SELECT * FROM GH_PipeFuncFontHeiDef", out, true);
}

}  // namespace ghdb
