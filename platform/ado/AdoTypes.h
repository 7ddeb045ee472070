#pragma once

#include <memory>

namespace ghdb {

enum CursorTypeEnum {
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3
};
enum LockTypeEnum {
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4
};
enum CommandTypeEnum { adCmdUnspecified = -1, adCmdText = 1 };
inline constexpr long adOptionUnspecified = -1;
enum SearchDirectionEnum { adSearchBackward = -1, adSearchForward = 1 };
enum AffectEnum { adAffectCurrent = 1 };
enum ObjectStateEnum { adStateClosed = 0, adStateOpen = 1 };

class Connection;
class Recordset;
class Fields;
class Field;

// Shared ownership stands in for COM reference counting.
using ConnectionPtr = std::shared_ptr<Connection>;
using RecordsetPtr = std::shared_ptr<Recordset>;
using FieldsPtr = Fields*;

}  // namespace ghdb
