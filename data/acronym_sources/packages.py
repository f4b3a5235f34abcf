"""The Debian 12 packages the sources are read from, pinned by version so
that the converter reproduces data/acronyms.txt byte for byte."""
import subprocess


def installed_version(package):
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}\t${Version}", package],
                            capture_output=True, text=True, check=False)
    status, _, version = result.stdout.partition("\t")
    return version if result.returncode == 0 and status == "install ok installed" else None


def version_problems(sources):
    """One line per source whose package is missing or of another version."""
    problems = []
    for source in sources:
        found = installed_version(source.PACKAGE)
        if found != source.VERSION:
            problems.append("%s: needs %s %s, found %s" % (
                source.NAME, source.PACKAGE, source.VERSION, found or "nothing installed"))
    return problems
