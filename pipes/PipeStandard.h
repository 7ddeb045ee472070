#pragma once

#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CRecordAccess;

// The horizontal distance required between two kinds of pipe (GH_PipeHStandardDef): the
// members ending in 1 describe the first pipe, those ending in 2 the second.
class CHStandardDistDef {
public:
    CHStandardDistDef() = default;
    CHStandardDistDef(const CHStandardDistDef& other) = default;
    CHStandardDistDef& operator=(const CHStandardDistDef& other) = default;
    virtual ~CHStandardDistDef() = default;

    CString PType1;
    long MType1 = -1;
    CString DSType1;
    CString PrType1;
    CString PType2;
    long MType2 = -1;
    CString DSType2;
    CString PrType2;
    double HDist = 0.0;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

// The vertical distance required between two kinds of pipe (GH_PipeVStandardDef).
class CVStandardDistDef {
public:
    CVStandardDistDef() = default;
    CVStandardDistDef(const CVStandardDistDef& other) = default;
    CVStandardDistDef& operator=(const CVStandardDistDef& other) = default;
    virtual ~CVStandardDistDef() = default;

    CString PType1;
    CString PType2;
    long MType1 = -1;
    long MType2 = -1;
    double VDist = 0.0;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

// The depths required for a kind of pipe (GH_PipeCStandardDef).
class CCStandardDistDef {
public:
    CCStandardDistDef() = default;
    CCStandardDistDef(const CCStandardDistDef& other) = default;
    CCStandardDistDef& operator=(const CCStandardDistDef& other) = default;
    virtual ~CCStandardDistDef() = default;

    CString PType;
    long MType = -1;
    double WDeep = 0.0;
    double DDeep = 0.0;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

}  // namespace ghdb
