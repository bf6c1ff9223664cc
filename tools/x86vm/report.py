#!/usr/bin/env python3
"""Reads CTest's JUnit file from the emulated machine and prints one line per
test program (CTest's status, the GoogleTest counts from its output, the
time), the failing GoogleTest cases, and a summary. The expected programs come
on standard input, one a line: one without a result counts as not reported.
Exit 0 only when every expected program passed."""
import re
import sys
import xml.etree.ElementTree as ET

expected = [line.strip() for line in sys.stdin if line.strip()]
results = {}
try:
    for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
        output = case.findtext("system-out") or ""
        if case.find("failure") is not None or case.find("error") is not None:
            status = "failed"
        elif case.find("skipped") is not None or case.get("status") in ("notrun", "disabled"):
            status = "not run"
        else:
            status = "passed"
        results[case.get("name")] = (status, float(case.get("time") or 0), output)
except (OSError, ET.ParseError) as error:
    print(f"x86: no test results from the machine ({error})")

counts = {"passed": 0, "failed": 0, "not reported": 0}
for name in expected:
    if name not in results:
        print(f"  {name:32} NOT REPORTED")
        counts["not reported"] += 1
        continue
    status, seconds, output = results[name]
    ran = re.search(r"\[==========\] (\d+) tests? from .* ran", output)
    failed_cases = re.findall(r"^\[  FAILED  \] (\S+\.\S+)(?: \(| *$)", output, re.M)
    detail = f"{ran.group(1)} GoogleTest cases" if ran else "no GoogleTest summary"
    if failed_cases:
        detail += f", {len(set(failed_cases))} failed"
    print(f"  {name:32} {status.upper():8} {detail:36} {seconds:7.1f} s")
    for case in sorted(set(failed_cases)):
        print(f"      failed: {case}")
    counts["passed" if status == "passed" else "failed"] += 1

print(f"x86 tests: {counts['passed']} passed, {counts['failed']} failed, "
      f"{counts['not reported']} not reported, of {len(expected)}")
sys.exit(0 if counts["passed"] == len(expected) else 1)
