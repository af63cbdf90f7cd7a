// Validates a glTF file with the Khronos validator; prints its report and exits 1 when it has errors.
// Usage: node validate-gltf.js <node_modules folder> <file.glb>
const path = require('path');
const fs = require('fs');
const validator = require(path.join(process.argv[2], 'gltf-validator'));

const file = process.argv[3];
validator
  .validateBytes(new Uint8Array(fs.readFileSync(file)), { maxIssues: 100 })
  .then((report) => {
    const issues = report.issues;
    console.log(`${file}: ${issues.numErrors} errors, ${issues.numWarnings} warnings, ${issues.numInfos} infos, ${issues.numHints} hints`);
    for (const message of issues.messages) {
      console.log(`  [${message.severity}] ${message.code} ${message.pointer || ''}: ${message.message}`);
    }
    process.exit(issues.numErrors > 0 ? 1 : 0);
  })
  .catch((error) => {
    console.log(`${file}: could not be validated: ${error}`);
    process.exit(1);
  });
