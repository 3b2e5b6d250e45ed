// Runs the Khronos glTF validator over one file and prints every error and
// warning; exits 0 only when there are none. Usage: node validate-gltf.js FILE
const fs = require('fs');
const path = require('path');
const validator = require('gltf-validator');

const file = process.argv[2];
validator
  .validateBytes(new Uint8Array(fs.readFileSync(file)), { uri: path.basename(file), maxIssues: 100 })
  .then((report) => {
    const issues = report.issues;
    for (const message of issues.messages) {
      if (message.severity <= 1) console.log(`${message.code} ${message.pointer || ''}: ${message.message}`);
    }
    console.log(`errors ${issues.numErrors} warnings ${issues.numWarnings}`);
    process.exit(issues.numErrors + issues.numWarnings === 0 ? 0 : 1);
  })
  .catch((error) => {
    console.log(`validator failed: ${error}`);
    process.exit(2);
  });
