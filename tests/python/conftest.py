import json
import os
import subprocess

import pytest

CLI = os.environ.get("SKELMORA_CLI")
EXAMPLES = os.environ.get(
    "SKELMORA_EXAMPLES",
    os.path.join(os.path.dirname(__file__), "..", "..", "examples"))


@pytest.fixture
def example():
    return lambda name: os.path.join(EXAMPLES, name)


@pytest.fixture
def cli_json():
    """Runs skelmora-cli with --json and returns its document."""
    if not CLI:
        pytest.skip("SKELMORA_CLI is not set (ctest sets it)")

    def run(*args):
        done = subprocess.run([CLI, *args, "--json"], capture_output=True, text=True)
        assert done.returncode == 0, done.stderr
        return json.loads(done.stdout)

    return run
