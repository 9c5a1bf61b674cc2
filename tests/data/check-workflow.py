#!/usr/bin/python3
"""The forge's workflow, read as its runner runs it.

A job without a container runs on the bare runner as an ordinary user: none
of its steps may reach into a container's folders or run a command that
needs root without sudo. Every upload replaces one of the same name, so
that a job can be run again. The release job's own scripts then run here as
an unprivileged user, with the workflow's variables and a stand-in gh that
checks what it is asked, for a page found and a release made anew, and for
no page and a release that exists already.
    tests/data/check-workflow.py SOURCE_DIR
Copied onto the PATH as gh, this file is that stand-in.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT_COMMANDS = re.compile(
    r"(?<![\w/.-])(?<!sudo )(apt-get|apt|dpkg|sysctl|mount|umount|chroot|debootstrap|tools/setup)\b"
    r"|(?<!sudo tee )>\s*/(proc|sys|etc)/")
CONTAINER_PATHS = re.compile(r"/__w\b|/host/")
REPOSITORY = "school/zerubino"
TAG = "v0.1.0"
DOWNLOADS = ["zerubino_0.1.0_amd64.deb", "zerubino-0.1.0-win64.exe", "zerubino-0.1.0-win64.msi",
             "zerubino-0.1.0-win64.zip", "zerubino-0.1.0-web.zip", "SHA256SUMS"]


def stand_in_gh(args):
    """What the release job asks of the forge, recorded; anything else fails."""
    def option(name):
        return args[args.index(name) + 1] if name in args else None

    def readable_files(names):
        missing = [name for name in names if not os.access(name, os.R_OK)]
        if missing:
            sys.exit(f"gh: cannot read {missing}")

    exists = os.environ["FAKE_RELEASE_EXISTS"] == "1"
    call = {"args": args}
    if args[:2] == ["api", f"repos/{REPOSITORY}/pages"]:
        if os.environ["FAKE_PAGES"].startswith("HTTP"):
            sys.stderr.write(f"gh: {os.environ['FAKE_PAGES']}\n")
            sys.exit(1)
        print(os.environ["FAKE_PAGES"])
    elif args[:2] == ["release", "view"]:
        if not exists:
            sys.stderr.write("release not found\n")
            sys.exit(1)
    elif args[:2] in (["release", "create"], ["release", "upload"], ["release", "edit"]):
        if (args[1] == "create") == exists:
            sys.exit(f"gh: release {args[1]} where the release {'exists' if exists else 'does not exist'}")
        files = [a for a in args[3:] if not a.startswith("--") and a not in
                 (option("--title"), option("--notes-file"))]
        readable_files(files)
        call["files"] = sorted(os.path.basename(f) for f in files)
        if option("--notes-file"):
            readable_files([option("--notes-file")])
            with open(option("--notes-file"), encoding="utf-8") as notes:
                call["notes"] = notes.read()
    else:
        sys.exit(f"gh: unexpected call {args}")
    if os.environ.get("GH_TOKEN") != "token" or os.environ.get("GH_REPO") != REPOSITORY:
        sys.exit("gh: not logged in to the repository")
    with open(os.environ["FAKE_GH_LOG"], "a", encoding="utf-8") as log:
        log.write(json.dumps(call) + "\n")


def static_faults(workflow):
    faults = []
    for name, job in workflow["jobs"].items():
        for step in job.get("steps", []):
            what = f"job {name}, step '{step.get('name', step.get('uses'))}'"
            run = step.get("run", "")
            if "container" not in job:
                if CONTAINER_PATHS.search(run):
                    faults.append(f"{what} reaches a container's folder on the bare runner")
                if ROOT_COMMANDS.search(run):
                    faults.append(f"{what} needs root without sudo on the bare runner")
            uses = step.get("uses", "")
            if uses.startswith("actions/upload-pages-artifact"):
                faults.append(f"{what} cannot replace an earlier upload")
            if uses.startswith("actions/upload-artifact") and step.get("with", {}).get("overwrite") is not True:
                faults.append(f"{what} does not replace an earlier upload")
    release = workflow["jobs"]["release"]
    grants = release.get("permissions", {})
    if not any(s.get("uses", "").startswith("actions/attest-build-provenance")
               and s["with"]["subject-path"].startswith("downloads/") for s in release["steps"]) \
            or grants.get("id-token") != "write" or grants.get("attestations") != "write":
        faults.append("the release job attests no build provenance of the downloads")
    if grants.get("pages") != "read":
        faults.append("the release job may not read the page's address")
    return faults


def expand(value):
    """The workflow's expressions that the release job's scripts are handed."""
    known = {"github.token": "token", "github.repository": REPOSITORY}

    def one(match):
        if match.group(1) not in known:
            raise SystemExit(f"FAIL: the test does not know ${{{{ {match.group(1)} }}}}")
        return known[match.group(1)]
    return re.sub(r"\$\{\{\s*([\w.]+)\s*\}\}", one, str(value))


def run_release_job(source, workflow, pages, exists):
    """The release job's run steps as the runner's user, in a checkout of
    its own with the build job's downloads; what gh was asked."""
    work = tempfile.mkdtemp()
    try:
        checkout = os.path.join(work, "checkout")
        for path in ("tools/publish-release", ".github/release-notes.md"):
            os.makedirs(os.path.dirname(os.path.join(checkout, path)), exist_ok=True)
            shutil.copy2(os.path.join(source, path), os.path.join(checkout, path))
        os.makedirs(os.path.join(checkout, "downloads"))
        for name in DOWNLOADS:
            with open(os.path.join(checkout, "downloads", name), "w") as download:
                download.write(name)
        os.makedirs(os.path.join(work, "bin"))
        os.makedirs(os.path.join(work, "temp"))
        shutil.copy2(os.path.abspath(__file__), os.path.join(work, "bin", "gh"))
        log = os.path.join(work, "gh.log")
        open(log, "w").close()
        unprivileged = []
        if os.geteuid() == 0:
            for dirpath, _, filenames in os.walk(work):
                for path in [dirpath] + [os.path.join(dirpath, f) for f in filenames]:
                    os.lchown(path, 65534, 65534)
            os.chmod(work, 0o755)
            unprivileged = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        for step in workflow["jobs"]["release"]["steps"]:
            if "run" not in step:
                continue
            if ROOT_COMMANDS.search(step["run"]):
                return None, f"step '{step.get('name')}' is not run here: it needs root"
            environment = {
                "PATH": f"{work}/bin:/usr/bin:/bin", "HOME": work, "LANG": "C.UTF-8",
                "GITHUB_REF_NAME": TAG, "GITHUB_REPOSITORY": REPOSITORY, "GITHUB_SERVER_URL": "https://github.com",
                "GITHUB_REPOSITORY_OWNER": REPOSITORY.split("/")[0], "RUNNER_TEMP": f"{work}/temp",
                "FAKE_PAGES": pages, "FAKE_RELEASE_EXISTS": exists, "FAKE_GH_LOG": log,
                **{key: expand(value) for key, value in step.get("env", {}).items()}}
            done = subprocess.run(unprivileged + ["bash", "-eo", "pipefail", "-c", step["run"]], cwd=checkout,
                                  env=environment, capture_output=True, text=True)
            if done.returncode != 0:
                return None, f"step '{step.get('name')}' failed: {done.stderr.strip()}"
        with open(log, encoding="utf-8") as calls:
            return [json.loads(line) for line in calls], None
    finally:
        shutil.rmtree(work)


def release_faults(source, workflow):
    faults = []
    scenarios = [
        # pages, release exists, what the notes must name, gh's release verbs
        ("https://dice.school.example/", "0", "https://dice.school.example/", ["create"]),
        ("HTTP 404: Not Found", "1", "このリポジトリはブラウザ版をウェブで公開していません", ["upload", "edit"]),
    ]
    for pages, exists, named, verbs in scenarios:
        calls, failure = run_release_job(source, workflow, pages, exists)
        what = f"with the page '{pages}' and {'a' if exists == '1' else 'no'} release"
        if failure:
            faults.append(f"{what}: {failure}")
            continue
        released = [c for c in calls if c["args"][0] == "release" and c["args"][1] != "view"]
        if [c["args"][1] for c in released] != verbs:
            faults.append(f"{what}: gh was asked {[c['args'][:2] for c in calls]}")
        if any(c["args"][1] == "upload" and "--clobber" not in c["args"] for c in released):
            faults.append(f"{what}: the upload does not replace the files")
        if sorted(DOWNLOADS) not in [c.get("files") for c in released]:
            faults.append(f"{what}: the release does not carry the downloads")
        notes = "".join(c.get("notes", "") for c in released)
        if named not in notes or "zerubino-0.1.0-win64.msi" not in notes or re.search(r"@[A-Z]+@|<!--", notes):
            faults.append(f"{what}: the notes do not read as they should:\n{notes}")
    # A forge that cannot be asked for the page stops the release.
    if run_release_job(source, workflow, "HTTP 403: Resource not accessible", "0")[1] is None:
        faults.append("an unanswered question for the page's address still released")
    return faults


def main():
    if os.path.basename(sys.argv[0]) == "gh":
        return stand_in_gh(sys.argv[1:])
    import yaml
    source = sys.argv[1]
    with open(os.path.join(source, ".github/workflows/publish.yml"), encoding="utf-8") as text:
        workflow = yaml.safe_load(text)
    faults = static_faults(workflow)
    faults += release_faults(source, workflow)
    for fault in faults:
        print(f"FAIL: {fault}")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
