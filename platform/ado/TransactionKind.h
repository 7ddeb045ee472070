#pragma once

namespace ghdb {

// How a transaction treats a statement that fails.
enum class TransactionKind {
    AllOrNothing,  // the first failure ends the work, which is then rolled back
    Cascade,       // a statement that fails alone is undone alone and the work goes on
};

}  // namespace ghdb
