#!/usr/bin/env python3
"""The link check itself: which links it judges to leave a tree, in a tree planted for the run,
and which tests it finds ctest may run after it."""
import json
import os
import pathlib
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True   # nothing of a test run lands in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_links import leaving_links, tests_maybe_after  # noqa: E402


class LeavingLinksTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.base = pathlib.Path(self.scratch.name).resolve()
        self.tree = self.base / "build"
        (self.tree / "sub").mkdir(parents=True)
        (self.tree / "plugin.dll").write_text("module")
        (self.base / "outside").mkdir()
        (self.base / "outside" / "root").symlink_to("/")

    def tearDown(self):
        self.scratch.cleanup()

    def plant(self, link, target):
        (self.tree / link).symlink_to(target)

    def test_judges_each_kind_of_link(self):
        cases = [  # link, target, leaves
            ("sub/system", "/", True),
            ("sub/up", "../..", True),
            ("sub/beside", str(self.base / "outside"), True),
            ("sub/module", str(self.tree / "plugin.dll"), False),
            ("sub/relative", "../plugin.dll", False),
            ("sub/dangling", "not-made-yet", False),
            ("sub/self", ".", False),
            ("chain", "sub/system", True),
        ]
        for link, target, _ in cases:
            self.plant(link, target)
        expected = sorted((link, target) for link, target, leaves in cases if leaves)
        self.assertEqual(leaving_links(str(self.tree)), expected)

    def test_a_link_to_a_folder_is_judged_not_walked(self):
        self.plant("away", str(self.base / "outside"))
        self.assertEqual(leaving_links(str(self.tree)), [("away", str(self.base / "outside"))])

    def test_a_tree_named_through_a_link_keeps_its_own_links_inside(self):
        self.plant("sub/module", str(self.tree / "plugin.dll"))
        (self.base / "alias").symlink_to(self.tree)
        self.assertEqual(leaving_links(str(self.base / "alias")), [])


class TestsMaybeAfterTest(unittest.TestCase):
    def test_finds_every_test_ctest_may_run_after_the_check(self):
        def test(name, *fixtures):
            properties = [{"name": "FIXTURES_REQUIRED", "value": list(fixtures)}] if fixtures else []
            return {"name": name, "command": [name], "properties": properties}
        listing = json.dumps({"tests": [
            test("required", "links"),
            test("among_others", "database", "links"),
            test("bare"),
            test("other_fixture", "database"),
            test("twin", "links"),
            test("twin", "links"),
            {"name": "unit_test_NOT_BUILT", "properties": []},
            {"name": "links_check", "command": ["check"],
             "properties": [{"name": "FIXTURES_CLEANUP", "value": ["links"]}]},
        ]})
        self.assertEqual(tests_maybe_after(listing, "links", "links_check"), [
            "2 tests are named twin",
            "test bare does not require the fixture links",
            "test other_fixture does not require the fixture links",
        ])


if __name__ == "__main__":
    unittest.main()
