#pragma once

#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CRecordAccess;

// The CAD blocks and label settings of a pipe (GH_PipeLabelBlock).
class CPipeSymbolBlock {
public:
    CPipeSymbolBlock() = default;
    CPipeSymbolBlock(const CPipeSymbolBlock& other) = default;
    CPipeSymbolBlock& operator=(const CPipeSymbolBlock& other) = default;
    virtual ~CPipeSymbolBlock() = default;

    CString PipeName;
    CString PipeCode;
    long PipeLayerId = -1;
    CString LabelBlock;
    CString DirectBlock;
    CString LabDirBlock;
    double BlockXScale = 1.0;
    double BlockYScale = 1.0;
    double BlockZScale = 1.0;
    long BlockDirect = 0;
    CString BlockLabelLayer = "0";
    CString BlockDirectLayer = "0";
    CString BlockLabDirLayer = "0";
    CString DiameterLayer = "0";
    double BlockLabelDist = 3.0;
    double BlockDirDist = 3.0;
    double DiameterDist = 10.0;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

// The font height of one pipeline function (GH_PipeFuncFontHeiDef).
class CPipeFontHei {
public:
    CPipeFontHei() = default;
    CPipeFontHei(const CPipeFontHei& other) = default;
    CPipeFontHei& operator=(const CPipeFontHei& other) = default;
    virtual ~CPipeFontHei() = default;

    long FuncNo = -1;
    CString FuncName;
    double FuncFontHei = 0.0;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

}  // namespace ghdb
