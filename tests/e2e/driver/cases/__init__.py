"""The end-to-end cases, by name. A case is a function of a started
Harness, registered with @case; every module of this package is loaded, so
a new group of cases is a new file here (and a line in e2e_tests.cmake)."""

import importlib
import pkgutil

CASES = {}


def case(name):
    def register(function):
        if name in CASES:
            raise ValueError(f"two cases named {name}")
        CASES[name] = function
        return function
    return register


def load_all():
    for module in pkgutil.iter_modules(__path__):
        importlib.import_module(f"{__name__}.{module.name}")
    return CASES
