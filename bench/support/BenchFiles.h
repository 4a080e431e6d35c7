#pragma once

#include <QString>

// The database files of the benchmarks. A copy that fails stops the benchmark: its figures
// would be taken on the wrong file.
namespace BenchFiles {

// The program's empty template database, as the build writes it.
QString templatePath();
// Copies from over to, replacing it, and leaves the copy writable by its owner.
void copyDatabase(const QString &from, const QString &to);
// A fresh copy of the template at path; returns path.
QString copyTemplate(const QString &path);

} // namespace BenchFiles
