#pragma once

// The schema statements and stored queries built into the program from resources/schema.sql
// and resources/queries (the build generates their definitions).
namespace BuiltInText {

struct Query
{
    const char *name;
    const char *sql;
};

extern const char *const SchemaStatements[];
extern const int SchemaStatementCount;
extern const Query Queries[];
extern const int QueryCount;

} // namespace BuiltInText
