#include "redline/RedLineSettings.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGHRLPhaseSubject>& CGHRLPhaseSubject::Columns() {
    static const ColumnTable<CGHRLPhaseSubject> columns = {
        {"WorkFlowID", &CGHRLPhaseSubject::WorkFlowID},
        {"PhaseNo", &CGHRLPhaseSubject::PhaseNo},
        {"SubjectID", &CGHRLPhaseSubject::SubjectID},
    };
    return columns;
}

const ColumnTable<CGHRLFlowMap>& CGHRLFlowMap::Columns() {
    static const ColumnTable<CGHRLFlowMap> columns = {
        {"FlowID", &CGHRLFlowMap::FlowID},
        {"SubjectID", &CGHRLFlowMap::SubjectID},
    };
    return columns;
}

const ColumnTable<CGHRLEditRight>& CGHRLEditRight::Columns() {
    static const ColumnTable<CGHRLEditRight> columns = {
        {"WorkFlowID", &CGHRLEditRight::WorkFlowID},
        {"PhaseNo", &CGHRLEditRight::PhaseNo},
        {"HXRight", &CGHRLEditRight::HXRight},
    };
    return columns;
}

const ColumnTable<CGHRLFieldMap>& CGHRLFieldMap::Columns() {
    static const ColumnTable<CGHRLFieldMap> columns = {
        {"WorkFlowID", &CGHRLFieldMap::WorkFlowID},   {"LayerID", &CGHRLFieldMap::LayerID},
        {"FieldIndex", &CGHRLFieldMap::FieldIndex},   {"TableName", &CGHRLFieldMap::TableName},
        {"OAFieldName", &CGHRLFieldMap::OAFieldName},
    };
    return columns;
}

const ColumnTable<CGHRLMatchData>& CGHRLMatchData::Columns() {
    static const ColumnTable<CGHRLMatchData> columns = {
        {"WorkFlowID", &CGHRLMatchData::WorkFlowID},
        {"PhaseNo", &CGHRLMatchData::PhaseNo},
        {"LayerID", &CGHRLMatchData::LayerID},
        {"HasRight", &CGHRLMatchData::HasRight},
    };
    return columns;
}

namespace {

// With a candidate list (the inside of an SQL IN list of quoted workflow ids, passed as it
// stands), each read takes the rows of the greatest listed id that does not exceed the requested
// one and has rows (of that phase, for the phase settings).

constexpr const char* kPhaseSubjectOfFlow =
    "SELECT * FROM GHRL_PhaseSubject WHERE (WorkFlowID = '%s') AND (PhaseNo = %d)";
constexpr const char* kPhaseSubjectFallback =
    "SELECT * FROM GHRL_PhaseSubject WHERE (WorkFlowID = (SELECT MAX(WorkFlowID) FROM "
    "GHRL_PhaseSubject WHERE (WorkFlowID IN (%s) AND (WorkFlowID <= '%s') AND (PhaseNo = %d))) "
    "AND (PhaseNo = %d))";
constexpr const char* kFlowSubjectOfFlow = "SELECT * FROM GHRL_FlowMap WHERE (FlowID = '%s')";
constexpr const char* kFlowSubjectFallback =
    "SELECT * FROM GHRL_FlowMap WHERE (FlowID = (SELECT MAX(FlowID) FROM GHRL_FlowMap WHERE "
    "FlowID IN (%s) AND (FlowID <= '%s')))";
constexpr const char* kEditRightOfFlow =
    "SELECT * FROM GHRL_HXEditRight WHERE (WorkFlowID = '%s') AND (PhaseNo = %d)";
constexpr const char* kEditRightFallback =
    "SELECT * FROM GHRL_HXEditRight WHERE (WorkFlowID = (SELECT MAX(WorkFlowID) FROM "
    "GHRL_HXEditRight WHERE (WorkFlowID IN (%s) AND (WorkFlowID <= '%s') AND (PhaseNo = %d))) "
    "AND (PhaseNo = %d))";
constexpr const char* kFieldMapOfFlow = "SELECT * FROM GHRL_FieldMap WHERE (WorkFlowID = '%s')";
constexpr const char* kFieldMapFallback =
    "SELECT * FROM GHRL_FieldMap WHERE (WorkFlowID = (SELECT MAX(WorkFlowID) FROM GHRL_FieldMap "
    "WHERE WorkFlowID IN (%s) AND (WorkFlowID <= '%s')))";

CString PhaseQuery(const char* ofFlow, const char* fallback, const CString& workFlowId,
                   long phaseNo, const CString& candidates) {
    if (candidates.IsEmpty()) return FormatSql(ofFlow, Quoted(workFlowId), phaseNo);
    return FormatSql(fallback, Verbatim(candidates), Quoted(workFlowId), phaseNo, phaseNo);
}

CString FlowQuery(const char* ofFlow, const char* fallback, const CString& workFlowId,
                  const CString& candidates) {
    if (candidates.IsEmpty()) return FormatSql(ofFlow, Quoted(workFlowId));
    return FormatSql(fallback, Verbatim(candidates), Quoted(workFlowId));
}

// The settings of one key are replaced by one row, all or nothing.
long ReplaceByOne(CRecordAccess& db, const CString& deleteSql, const char* emptySelect,
                  CDBBaseClass& record) {
    return db.ReplaceAllWith(deleteSql, emptySelect, 1,
                             [&](int) -> CDBBaseClass& { return record; });
}

}  // namespace

long CBaseClassAccess::GetPhaseSubject(CGHRLPhaseSubject& rec, CString candidates) {
    return db_.ReadOneRecordInfo(PhaseQuery(kPhaseSubjectOfFlow, kPhaseSubjectFallback,
                                            rec.WorkFlowID, rec.PhaseNo, candidates),
                                 &rec);
}

long CBaseClassAccess::EditPhaseSubject(CGHRLPhaseSubject& rec) {
    return ReplaceByOne(
        db_,
        FormatSql("Delete FROM GHRL_PhaseSubject WHERE (WorkFlowID = '%s') AND (PhaseNo = %d)",
                  Quoted(rec.WorkFlowID), rec.PhaseNo),
        "SELECT * FROM GHRL_PhaseSubject WHERE (1 = -1)", rec);
}

long CBaseClassAccess::GetFlowSubject(CGHRLFlowMap& rec, CString candidates) {
    return db_.ReadOneRecordInfo(
        FlowQuery(kFlowSubjectOfFlow, kFlowSubjectFallback, rec.FlowID, candidates), &rec);
}

long CBaseClassAccess::EditFlowSubject(CGHRLFlowMap& rec) {
    return ReplaceByOne(
        db_, FormatSql("Delete FROM GHRL_FlowMap WHERE (FlowID = '%s')", Quoted(rec.FlowID)),
        "SELECT * FROM GHRL_FlowMap WHERE (1 = -1)", rec);
}

long CBaseClassAccess::GetRedLineRight(CGHRLEditRight& rec, CString candidates) {
    return db_.ReadOneRecordInfo(
        PhaseQuery(kEditRightOfFlow, kEditRightFallback, rec.WorkFlowID, rec.PhaseNo, candidates),
        &rec);
}

long CBaseClassAccess::EditRedLineRight(CGHRLEditRight& rec) {
    return ReplaceByOne(
        db_,
        FormatSql("Delete FROM GHRL_HXEditRight WHERE (WorkFlowID = '%s') AND (PhaseNo = %d)",
                  Quoted(rec.WorkFlowID), rec.PhaseNo),
        "SELECT * FROM GHRL_HXEditRight WHERE (1 = -1)", rec);
}

long CBaseClassAccess::GetRedLineFieldMap(CString workFlowId,
                                          CArray<CGHRLFieldMap, CGHRLFieldMap&>& out,
                                          CString candidates) {
    CGHRLFieldMap working;
    return db_.ReadAllAsValues(
        FlowQuery(kFieldMapOfFlow, kFieldMapFallback, workFlowId, candidates), working, out);
}

long CBaseClassAccess::EditRedLineFieldMap(CString workFlowId,
                                           CArray<CGHRLFieldMap, CGHRLFieldMap&>& all) {
    return db_.ReplaceAll(
        FormatSql("DELETE FROM GHRL_FieldMap WHERE (WorkFlowID = '%s')", Quoted(workFlowId)),
        FormatSql(kFieldMapOfFlow, Quoted(workFlowId)), all);
}

}  // namespace ghdb
