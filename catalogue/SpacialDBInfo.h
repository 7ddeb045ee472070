#pragma once

#include "frame/OwningSet.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The database types a spatial database can have (the DBType of its connection parameters).
inline constexpr const char* kDBTypeArcSDE = "ArcSDE";
inline constexpr const char* kDBTypeVexor = "Vexor";

// One spatial database that layers live in (GHGIS_SpacialDBInfo). Its connection parameters
// are packed into one text: "Server=... DBName=... UID=... PWD=... DBType=... Port=...".
class CSpacialDBInfo : public CTableRecord<CSpacialDBInfo> {
public:
    CSpacialDBInfo() = default;
    CSpacialDBInfo(const CSpacialDBInfo& other) = default;
    CSpacialDBInfo& operator=(const CSpacialDBInfo& other) = default;
    ~CSpacialDBInfo() override = default;

    long DBID = -1;
    CString DBAlias;
    CString ConnectionString;
    CString ConvertArcWebService;

    // Packs the six parameters into ConnectionString. An empty parameter is stored (and set in
    // the caller's string) as "__NULL__", so that every slot holds one token.
    void SetConnectParam(CString& server, CString& dbName, CString& uid, CString& pwd,
                         CString& dbType, CString& port);
    // Unpacks ConnectionString; a "__NULL__" slot, and a slot the text does not supply, comes
    // back empty.
    void GetConnectParam(CString& server, CString& dbName, CString& uid, CString& pwd,
                         CString& dbType, CString& port) const;
    // Server, database, type and port for lists; never the user or the password.
    CString SpacialDBDesc() const;

    // DBID is assigned by the database and read back when the record is added.
    static const ColumnTable<CSpacialDBInfo>& Columns();

protected:
    // Scramble and unscramble ConnectionString in place (each is the other's inverse), for
    // derived classes that keep the parameters out of plain sight.
    void EncodeConnectString();
    void DecodeConnectString();
};

class CSpacialDBInfoSet : public COwningSet<CSpacialDBInfo> {};

}  // namespace ghdb
