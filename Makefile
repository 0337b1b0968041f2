# The two commands: each installs what is missing, builds, and runs.
.PHONY: all test demo clean

all:
	scripts/build.sh

test:
	scripts/test.sh

demo:
	scripts/demo.sh

clean:
	rm -rf build
