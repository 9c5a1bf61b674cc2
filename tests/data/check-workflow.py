#!/usr/bin/python3
"""The forge's workflow, read as its runner runs it.

A job without a container runs on the bare runner as an ordinary user: none
of its steps may reach into a container's folders or run a command that
needs root without sudo. Every upload replaces one of the same name, so that
a job can be run again. The release job's scripts then run here as an
unprivileged user, with the workflow's variables and a stand-in gh
(tests/fakes/gh) that checks what it is asked.
    tests/data/check-workflow.py SOURCE_DIR
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

import yaml

ROOT_COMMANDS = re.compile(r"(?<![\w/.-])(?<!sudo )(apt-get|apt|dpkg|sysctl|mount|chroot|tools/setup)\b"
                           r"|>\s*/(proc|sys|etc)/")
REPOSITORY, TAG = "school/zerubino", "v0.1.0"
DOWNLOADS = sorted(["zerubino_0.1.0_amd64.deb", "zerubino-0.1.0-win64.exe", "zerubino-0.1.0-win64.msi",
                    "zerubino-0.1.0-win64.zip", "zerubino-0.1.0-web.zip", "SHA256SUMS"])


def static_faults(workflow):
    faults = []
    for name, job in workflow["jobs"].items():
        for step in job.get("steps", []):
            what, run, uses = f"{name}: '{step.get('name', step.get('uses'))}'", step.get("run", ""), step.get("uses", "")
            if "container" not in job and re.search(r"/__w\b|/host/", run):
                faults.append(f"{what} reaches a container's folder on the bare runner")
            if "container" not in job and ROOT_COMMANDS.search(run):
                faults.append(f"{what} needs root without sudo on the bare runner")
            if uses.startswith("actions/upload-pages-artifact") or (
                    uses.startswith("actions/upload-artifact") and step.get("with", {}).get("overwrite") is not True):
                faults.append(f"{what} does not replace an earlier upload")
    release = workflow["jobs"]["release"]
    if release.get("permissions", {}) != {"contents": "write", "pages": "read", "id-token": "write",
                                          "attestations": "write"} or not any(
            s.get("uses", "").startswith("actions/attest-build-provenance")
            and s["with"]["subject-path"] == "downloads/*" for s in release["steps"]):
        faults.append("the release job does not attest the downloads' provenance, or may not ask for the page")
    return faults


def run_release_job(source, workflow, pages, exists):
    """The release job's run steps, as an unprivileged user in a checkout
    of their own beside the downloads: what gh was asked, or the failure."""
    work = tempfile.mkdtemp()
    try:
        checkout = os.path.join(work, "checkout")
        for path in ("tools/publish-release", ".github/release-notes.md"):
            os.makedirs(os.path.dirname(f"{checkout}/{path}"), exist_ok=True)
            shutil.copy2(f"{source}/{path}", f"{checkout}/{path}")
        for folder in (f"{checkout}/downloads", f"{work}/bin", f"{work}/temp"):
            os.makedirs(folder)
        for name in DOWNLOADS:
            open(f"{checkout}/downloads/{name}", "w").close()
        shutil.copy2(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../fakes/gh"), f"{work}/bin/gh")
        as_user = []
        if os.geteuid() == 0:
            subprocess.run(["chown", "-R", "65534:65534", work], check=True)
            os.chmod(work, 0o755)
            as_user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        expressions = {"${{ github.token }}": "token", "${{ github.repository }}": REPOSITORY}
        for step in (s for s in workflow["jobs"]["release"]["steps"] if "run" in s):
            if ROOT_COMMANDS.search(step["run"]):
                return None, f"'{step.get('name')}' is not run here: it needs root"
            environment = {
                "PATH": f"{work}/bin:/usr/bin:/bin", "HOME": work, "LANG": "C.UTF-8", "RUNNER_TEMP": f"{work}/temp",
                "GITHUB_REF_NAME": TAG, "GITHUB_REPOSITORY": REPOSITORY, "GITHUB_SERVER_URL": "https://github.com",
                "PAGES": pages, "RELEASE_EXISTS": exists, "GH_LOG": f"{work}/temp/gh.log",
                **{key: expressions.get(value, value) for key, value in step.get("env", {}).items()}}
            done = subprocess.run(as_user + ["bash", "-eo", "pipefail", "-c", step["run"]], cwd=checkout,
                                  env=environment, capture_output=True, text=True)
            if done.returncode != 0:
                return None, f"'{step.get('name')}' failed: {done.stderr.strip()}"
        with open(f"{work}/temp/gh.log", encoding="utf-8") as calls:
            return [json.loads(line) for line in calls], None
    finally:
        shutil.rmtree(work)


def release_faults(source, workflow):
    faults = []
    # The page's address or the Pages API's answer, whether the release
    # exists (a job run again), what the notes name, the requests to gh.
    for pages, exists, named, requests in [
            ("https://dice.school.example/", "0", "ブラウザで https://dice.school.example/ を開く", ["create"]),
            ("HTTP 404: Not Found", "1", "このリポジトリはブラウザ版をウェブで公開していません", ["upload", "edit"])]:
        calls, failure = run_release_job(source, workflow, pages, exists)
        what = f"with the page '{pages}' and {'a' if exists == '1' else 'no'} release"
        if failure:
            faults.append(f"{what}: {failure}")
            continue
        notes = "".join(c["notes"] for c in calls)
        if [c["args"][1] for c in calls] != requests or DOWNLOADS not in [c["files"] for c in calls] \
                or any(c["args"][1] == "upload" and "--clobber" not in c["args"] for c in calls):
            faults.append(f"{what}: gh was asked {[c['args'] for c in calls]}")
        if named not in notes or "zerubino-0.1.0-win64.msi" not in notes or re.search(r"@[A-Z]+@|<!--", notes):
            faults.append(f"{what}: the notes read\n{notes}")
    if run_release_job(source, workflow, "HTTP 403: Resource not accessible", "0")[1] is None:
        faults.append("a forge that would not tell the page's address still got a release")
    return faults


if __name__ == "__main__":
    with open(os.path.join(sys.argv[1], ".github/workflows/publish.yml"), encoding="utf-8") as text:
        workflow = yaml.safe_load(text)
    faults = static_faults(workflow) + release_faults(sys.argv[1], workflow)
    for fault in faults:
        print(f"FAIL: {fault}")
    sys.exit(1 if faults else 0)
