#pragma once

#include "report_engine/report_rows.h"

// Builds hierarchical report data from plain query results.
namespace RowShaping {

// Gives every parent row, as its children named `childName`, the child rows whose
// `childKey` equals the parent's `parentKey`, in the children's order. A parent without
// matching children gets an empty child set. Relate the deepest level first to build
// several levels (placings to riders, then riders to teams).
RowSet relate(const RowSet& parents, const QString& parentKey, const RowSet& children, const QString& childKey,
              const QString& childName);

// Groups rows by the values of `byFields`: one parent row per distinct combination, in the
// order of first appearance, holding those fields and, as children named rows.name(),
// its rows in their order. Text compares without regard to case, as the database does.
RowSet group(const RowSet& rows, const QStringList& byFields, const QString& groupName);

} // namespace RowShaping
