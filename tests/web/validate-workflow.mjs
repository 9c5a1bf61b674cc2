// A forge workflow against the schema GitHub publishes, as the validator
// bundles it (no network). That bundle predates the permission
// `attestations` (2024), which the release job needs to attest its
// downloads: that one key is left out of what it reads.
//   node validate-workflow.mjs WORKFLOW
import fs from "node:fs";
import * as validator from "@action-validator/core";

const workflow = fs.readFileSync(process.argv[2], "utf8").replace(/^ +attestations: write\n/gm, "");
const result = validator.validateWorkflow(workflow);
if (result.errors.length > 0) {
    console.error(JSON.stringify(result, null, 2));
    process.exit(1);
}
